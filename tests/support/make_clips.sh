#!/usr/bin/env bash
# Makes the clips the video tests read, with Debian's ffmpeg and exiftool:
#   located.mp4  H.264 + AAC, 320 x 240, 2 s, fading in from black, a title and a location
#   located.mov  the same in a QuickTime file
#   rotated.mov  HEVC, stored 320 x 240, to be turned a quarter clockwise
#   clip.webm    VP9 + Opus, 1 s
#   half.mp4     located.mp4 cut in half
#   text.mp4     a text file
set -euo pipefail
folder=$1
mkdir -p "$folder"
cd "$folder"
quiet=(-hide_banner -loglevel error -y)
source=(-f lavfi -i "testsrc=size=320x240:rate=25:duration=2,fade=in:0:8" -f lavfi -i "sine=frequency=440:duration=2")
tags=(-metadata title="Au port" -metadata location="+48.8584+002.2945/")
ffmpeg "${quiet[@]}" "${source[@]}" -c:v libx264 -pix_fmt yuv420p -c:a aac "${tags[@]}" -shortest located.mp4
ffmpeg "${quiet[@]}" "${source[@]}" -c:v libx264 -pix_fmt yuv420p -c:a aac "${tags[@]}" -shortest located.mov
ffmpeg "${quiet[@]}" -f lavfi -i "testsrc=size=320x240:rate=25:duration=1" -pix_fmt yuv420p -c:v libx265 \
  -x265-params log-level=error -tag:v hvc1 rotated.mov
exiftool -q -overwrite_original -rotation=90 rotated.mov
ffmpeg "${quiet[@]}" -f lavfi -i "testsrc=size=320x240:rate=25:duration=1" -f lavfi -i "sine=duration=1" \
  -c:v libvpx-vp9 -b:v 200k -c:a libopus -shortest clip.webm
head -c "$(( $(stat -c %s located.mp4) / 2 ))" located.mp4 > half.mp4
echo "not a clip, only a name" > text.mp4
