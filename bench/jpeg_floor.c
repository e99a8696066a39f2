/* The bench's photos and its libjpeg-turbo floor.
 *
 *   jpeg_floor generate <folder> <count> [mixed|12mp|small]
 *       Writes 000001.jpg ... : photo-like pictures at quality 90. "mixed"
 *       (the default) cycles through 2 to 20 megapixels, landscape and
 *       portrait, encoded progressive; "12mp" makes 4000 x 3000 baseline,
 *       25 different ones repeated; "small" likewise at 640 x 480, for
 *       projects of thousands of pictures.
 *   jpeg_floor run <thumbW> <thumbH> <limitW> <limitH> <photo>...
 *       The least work a build can do per photo, on one thread: one decode,
 *       DCT-scaled to the smallest scale covering the size-limited copy, an
 *       area resize to that copy and one to the thumbnail, two quality-90
 *       encodes into memory. Prints "floor <seconds>".
 *   jpeg_floor run <W>x<H>[,<W>x<H>...] <photo>...
 *       The same for every box given (up to 8): one decode covering the
 *       largest, a resize and an encode for each.
 */
#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <jpeglib.h>

typedef struct {
    int width, height;
    unsigned char* pixels; /* RGB rows */
} Picture;

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

static void Encode(const Picture* picture, int progressive, FILE* file, unsigned char** memory, unsigned long* size) {
    struct jpeg_compress_struct info;
    struct jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    if (file) {
        jpeg_stdio_dest(&info, file);
    } else {
        jpeg_mem_dest(&info, memory, size);
    }
    info.image_width = (JDIMENSION)picture->width;
    info.image_height = (JDIMENSION)picture->height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = picture->pixels + (size_t)info.next_scanline * picture->width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
}

/* Smooth light and shade with fine grain, so that coding costs what a photo costs. */
static Picture MakePhoto(int width, int height, unsigned seed) {
    Picture p = {width, height, malloc((size_t)width * height * 3)};
    double* across = malloc(sizeof(double) * width * 2);
    for (int x = 0; x < width; ++x) {
        across[2 * x] = sin(9.0 * x / width + seed % 7);
        across[2 * x + 1] = cos(3.0 * x / width);
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* row = p.pixels + (size_t)y * width * 3;
        const double v = (double)y / height, down = cos(7.0 * v), side = sin(4.0 * v);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int grain = (int)((seed >> 16) & 15) - 8;
            const double shade = 0.5 + 0.3 * across[2 * x] * down + 0.15 * across[2 * x + 1] * side;
            int r = (int)(255 * shade * (0.6 + 0.4 * (double)x / width)) + grain;
            int g = (int)(255 * shade * (0.7 + 0.3 * v)) + grain;
            int b = (int)(255 * (1.0 - shade) * 0.8) + grain;
            row[x * 3] = (unsigned char)(r < 0 ? 0 : r > 255 ? 255 : r);
            row[x * 3 + 1] = (unsigned char)(g < 0 ? 0 : g > 255 ? 255 : g);
            row[x * 3 + 2] = (unsigned char)(b < 0 ? 0 : b > 255 ? 255 : b);
        }
    }
    free(across);
    return p;
}

/* Copies a generated photo under another number (the 12 MP set repeats 25 photos). */
static int CopyFile(const char* from, const char* to) {
    FILE *in = fopen(from, "rb"), *out = fopen(to, "wb");
    if (!in || !out) {
        perror(to);
        return 1;
    }
    char buffer[1 << 16];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) fwrite(buffer, 1, n, out);
    fclose(in);
    return fclose(out) != 0;
}

static int Generate(const char* folder, int count, const char* kind) {
    const int mixed = strcmp(kind, "12mp") != 0 && strcmp(kind, "small") != 0;
    const int small = strcmp(kind, "small") == 0;
    static const int megapixels[] = {2, 20, 4, 12, 6, 16, 3, 8, 10, 18, 5, 14};
    for (int i = 1; i <= count; ++i) {
        int width = small ? 640 : 4000, height = small ? 480 : 3000;
        if (mixed) {
            const double pixels = megapixels[(i - 1) % 12] * 1e6;
            width = (int)sqrt(pixels * 4 / 3) & ~15;
            height = width * 3 / 4;
            if (i % 3 == 0) { /* portrait */
                const int t = width;
                width = height;
                height = t;
            }
        }
        char name[4096];
        snprintf(name, sizeof name, "%s/%06d.jpg", folder, i);
        if (!mixed && i > 25) {
            char first[4096];
            snprintf(first, sizeof first, "%s/%06d.jpg", folder, (i - 1) % 25 + 1);
            if (CopyFile(first, name)) return 1;
            continue;
        }
        FILE* file = fopen(name, "wb");
        if (!file) {
            perror(name);
            return 1;
        }
        Picture photo = MakePhoto(width, height, (unsigned)i * 7919u);
        Encode(&photo, mixed, file, NULL, NULL);
        fclose(file);
        free(photo.pixels);
    }
    return 0;
}

/* The size of a width x height picture fitted into a box, proportions kept. */
static void Fit(int width, int height, int boxW, int boxH, int* outW, int* outH) {
    if (width <= boxW && height <= boxH) {
        *outW = width;
        *outH = height;
    } else if ((double)width / boxW >= (double)height / boxH) {
        *outW = boxW;
        *outH = (int)((double)height * boxW / width + 0.5);
    } else {
        *outH = boxH;
        *outW = (int)((double)width * boxH / height + 0.5);
    }
    if (*outW < 1) *outW = 1;
    if (*outH < 1) *outH = 1;
}

/* Area taps of one axis in 14-bit fixed point: first[t], count[t], weights. */
typedef struct {
    int *first, *count;
    int16_t* weights;
    int stride;
} Taps;

static Taps AreaTaps(int source, int target) {
    const double scale = (double)source / target;
    Taps taps;
    taps.stride = (int)ceil(scale) + 2;
    taps.first = malloc(sizeof(int) * target);
    taps.count = malloc(sizeof(int) * target);
    taps.weights = calloc((size_t)target * taps.stride, sizeof(int16_t));
    for (int t = 0; t < target; ++t) {
        const double begin = t * scale, end = (t + 1) * scale;
        int first = (int)floor(begin), last = (int)ceil(end) - 1, total = 0;
        if (last > source - 1) last = source - 1;
        taps.first[t] = first;
        taps.count[t] = last - first + 1;
        for (int s = first; s <= last; ++s) {
            const double lo = begin > s ? begin : s, hi = end < s + 1 ? end : s + 1;
            const int w = (int)((hi - lo) / scale * 16384 + 0.5);
            taps.weights[t * taps.stride + (s - first)] = (int16_t)w;
            total += w;
        }
        taps.weights[t * taps.stride] += (int16_t)(16384 - total);
    }
    return taps;
}

static void FreeTaps(Taps* taps) {
    free(taps->first);
    free(taps->count);
    free(taps->weights);
}

static Picture Shrink(const Picture* in, int width, int height, uint16_t* rows) {
    Taps across = AreaTaps(in->width, width), down = AreaTaps(in->height, height);
    for (int y = 0; y < in->height; ++y) {
        const unsigned char* src = in->pixels + (size_t)y * in->width * 3;
        uint16_t* out = rows + (size_t)y * width * 3;
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = src + across.first[x] * 3;
            const int16_t* w = across.weights + x * across.stride;
            int r = 0, g = 0, b = 0;
            for (int k = 0; k < across.count[x]; ++k, p += 3) {
                r += p[0] * w[k];
                g += p[1] * w[k];
                b += p[2] * w[k];
            }
            out[x * 3] = (uint16_t)((r + 128) >> 8);
            out[x * 3 + 1] = (uint16_t)((g + 128) >> 8);
            out[x * 3 + 2] = (uint16_t)((b + 128) >> 8);
        }
    }
    Picture result = {width, height, malloc((size_t)width * height * 3)};
    for (int y = 0; y < height; ++y) {
        unsigned char* out = result.pixels + (size_t)y * width * 3;
        const int16_t* w = down.weights + y * down.stride;
        for (int x = 0; x < width * 3; ++x) {
            int sum = 0;
            for (int k = 0; k < down.count[y]; ++k) sum += rows[(size_t)(down.first[y] + k) * width * 3 + x] * w[k];
            sum = (sum + (1 << 19)) >> 20;
            out[x] = (unsigned char)(sum > 255 ? 255 : sum);
        }
    }
    FreeTaps(&across);
    FreeTaps(&down);
    return result;
}

#define MAX_BOXES 8

/* Each photo fitted into every box: one decode at the smallest DCT scale
 * covering the largest of them, then an area resize and an encode for each. */
static int Run(int boxCount, const int boxes[][2], int count, char** files) {
    const double start = Now();
    for (int i = 0; i < count; ++i) {
        FILE* file = fopen(files[i], "rb");
        if (!file) {
            perror(files[i]);
            return 1;
        }
        struct jpeg_decompress_struct info;
        struct jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        int sizes[MAX_BOXES][2], largestW = 0, largestH = 0;
        for (int b = 0; b < boxCount; ++b) {
            Fit((int)info.image_width, (int)info.image_height, boxes[b][0], boxes[b][1], &sizes[b][0], &sizes[b][1]);
            if (sizes[b][0] > largestW) largestW = sizes[b][0];
            if (sizes[b][1] > largestH) largestH = sizes[b][1];
        }
        info.out_color_space = JCS_RGB;
        info.scale_denom = 8;
        for (info.scale_num = 1; info.scale_num < 8; ++info.scale_num) {
            jpeg_calc_output_dimensions(&info);
            if ((int)info.output_width >= largestW && (int)info.output_height >= largestH) break;
        }
        jpeg_start_decompress(&info);
        Picture decoded = {(int)info.output_width, (int)info.output_height, NULL};
        decoded.pixels = malloc((size_t)decoded.width * decoded.height * 3);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = decoded.pixels + (size_t)info.output_scanline * decoded.width * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        fclose(file);

        uint16_t* rows = malloc((size_t)decoded.height * largestW * 3 * sizeof(uint16_t));
        for (int b = 0; b < boxCount; ++b) {
            Picture out = Shrink(&decoded, sizes[b][0], sizes[b][1], rows);
            unsigned char* memory = NULL;
            unsigned long size = 0;
            Encode(&out, 0, NULL, &memory, &size);
            free(memory);
            free(out.pixels);
        }
        free(rows);
        free(decoded.pixels);
    }
    printf("floor %.4f\n", Now() - start);
    return 0;
}

/* "160x120,320x240" into boxes; the count, or 0 when it is no such list. */
static int ParseBoxes(const char* text, int boxes[][2]) {
    int count = 0;
    for (const char* at = text; *at && count < MAX_BOXES; ++count) {
        int used = 0;
        if (sscanf(at, "%dx%d%n", &boxes[count][0], &boxes[count][1], &used) != 2) return 0;
        at += used;
        if (*at == ',')
            ++at;
        else if (*at)
            return 0;
    }
    return count;
}

int main(int argc, char** argv) {
    if (argc >= 4 && strcmp(argv[1], "generate") == 0) {
        return Generate(argv[2], atoi(argv[3]), argc < 5 ? "mixed" : argv[4]);
    }
    int boxes[MAX_BOXES][2];
    const int boxCount = argc >= 4 && strcmp(argv[1], "run") == 0 ? ParseBoxes(argv[2], boxes) : 0;
    if (boxCount > 0) return Run(boxCount, (const int(*)[2])boxes, argc - 3, argv + 3);
    if (argc >= 7 && strcmp(argv[1], "run") == 0) {
        const int two[2][2] = {{atoi(argv[4]), atoi(argv[5])}, {atoi(argv[2]), atoi(argv[3])}};
        return Run(2, two, argc - 6, argv + 6);
    }
    fprintf(stderr,
            "usage: %s generate <folder> <count> [mixed|12mp|small]\n"
            "       %s run <thumbW> <thumbH> <limitW> <limitH> <photo>...\n"
            "       %s run <W>x<H>[,<W>x<H>...] <photo>...\n",
            argv[0], argv[0], argv[0]);
    return 2;
}
