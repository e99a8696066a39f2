#!/usr/bin/env python3
"""Writes the phone and camera photos the tests read into the folder given:
orientation-1.jpg .. orientation-8.jpg (a viewer sees a red top-left corner
and a blue bottom-right one on grey, 60 x 40, whatever the stored turn),
gps.jpg (GPS position, owner, serial number, date, orientation 6, artist,
copyright), and the formats added by conversion: photo.heic, alpha.png (left
half transparent), photo.webp, photo16.tiff (16 bits per sample)."""
import pathlib
import subprocess
import sys

from PIL import Image, ImageDraw

INVERSE = {  # the stored pixels for each orientation: the inverse of the viewer's turn
    2: Image.Transpose.FLIP_LEFT_RIGHT, 3: Image.Transpose.ROTATE_180, 4: Image.Transpose.FLIP_TOP_BOTTOM,
    5: Image.Transpose.TRANSPOSE, 6: Image.Transpose.ROTATE_90, 7: Image.Transpose.TRANSVERSE,
    8: Image.Transpose.ROTATE_270,
}


def seen_photo(width=60, height=40):
    photo = Image.new("RGB", (width, height), (128, 128, 128))
    draw = ImageDraw.Draw(photo)
    draw.rectangle([0, 0, width // 4, height // 4], fill=(255, 0, 0))
    draw.rectangle([width - width // 4, height - height // 4, width - 1, height - 1], fill=(0, 0, 255))
    return photo


def orientation_photos(folder):
    for orientation in range(1, 9):
        stored = seen_photo()
        if orientation in INVERSE:
            stored = stored.transpose(INVERSE[orientation])
        exif = Image.Exif()
        exif[0x0112] = orientation
        stored.save(folder / f"orientation-{orientation}.jpg", quality=95, exif=exif.tobytes())


def gps_photo(folder):
    target = folder / "gps.jpg"
    seen_photo(400, 600).transpose(Image.Transpose.ROTATE_90).save(target, quality=90)  # a portrait phone photo
    subprocess.run(["exiftool", "-q", "-overwrite_original", "-Orientation#=6", "-GPSLatitude=48.8584",
                    "-GPSLatitudeRef=N", "-GPSLongitude=2.2945", "-GPSLongitudeRef=E", "-GPSAltitude=35",
                    "-OwnerName=Jeanne Martin", "-SerialNumber=SN123456", "-DateTimeOriginal=2024:05:01 10:20:30",
                    "-Make=Phone", "-Model=Phone 12", "-Artist=J. Martin", "-Copyright=(c) 2024 J. Martin",
                    str(target)], check=True)


LONG_CAPTION = ("Colorful cups. Aarhus, Denmark. A morning at the harbour market, where the potters "
                "set out their stalls before the first ferry comes in.")


def caption_photos(folder):
    for name, tags in {"caption-tag.jpg": ["-XMP-dc:Title=x-default", "-XMP-dc:Description=x-default",
                                           "-EXIF:ImageDescription=" + LONG_CAPTION],
                       "caption-camera.jpg": ["-EXIF:ImageDescription=KONICA MINOLTA DIGITAL CAMERA"],
                       "caption-reference.jpg": ["-XMP-dc:Description=Plage d&#39;\u00e9t\u00e9"]}.items():
        seen_photo().save(folder / name, quality=90)
        subprocess.run(["exiftool", "-q", "-overwrite_original", *tags, str(folder / name)], check=True)


def format_photos(folder):
    seen_photo(120, 80).save(folder / "source.png")
    subprocess.run(["heif-enc", "-q", "90", "-o", str(folder / "photo.heic"), str(folder / "source.png")],
                   check=True, stdout=subprocess.DEVNULL)
    alpha = Image.new("RGBA", (120, 80), (0, 160, 0, 255))
    ImageDraw.Draw(alpha).rectangle([0, 0, 59, 79], fill=(0, 0, 0, 0))
    alpha.save(folder / "alpha.png")
    seen_photo(120, 80).save(folder / "photo.webp", quality=95)
    subprocess.run(["convert", str(folder / "source.png"), "-depth", "16", str(folder / "photo16.tiff")], check=True)
    (folder / "source.png").unlink()


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    orientation_photos(folder)
    gps_photo(folder)
    caption_photos(folder)
    format_photos(folder)


if __name__ == "__main__":
    main()
