#!/usr/bin/env python3
"""Writes assets/runweb.in_, the settings a new project starts from.

List lines (fonts, styles, positions, corners) stay empty so that they pick
their first item in either language; the templates give the pages their
fonts. Colours are red + 256 x green + 65536 x blue."""
import pathlib

from setting_lines import LINE, LINE_COUNT


def rgb(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return str(r + 256 * g + 65536 * b)


PAPER, WHITE = rgb("#FAF6EE"), rgb("#FFFFFF")
INK, MUTED, ACCENT, RULE = rgb("#2B2D42"), rgb("#4A4E69"), rgb("#3D5A80"), rgb("#D8D2C4")

VALUES = {
    "SummaryBackgroundColour": PAPER,
    "SummaryTitleSize": "6",
    "PictureTitleShown": "1",
    "PictureTitleColour": INK,
    "PictureTitleSize": "5",
    "PictureTemplate": "clair.htm",
    "PictureBorderColour": WHITE,
    "PictureBorderWidth": "0",
    "PictureSpaceHorizontal": "0",
    "PictureSpaceVertical": "10",
    "CommentShown": "1",
    "CommentSize": "3",
    "CommentColour": MUTED,
    "ButtonsAtTop": "1",
    "ButtonsAtBottom": "1",
    "ButtonsSize": "3",
    "ButtonsColour": ACCENT,
    "ButtonMode": "1",
    "PictureTableBackgroundColour": WHITE,
    "PictureTableBorderColour": RULE,
    "PictureTableBorderWidth": "0",
    "PictureTableCellPadding": "8",
    "PictureTableCellSpacing": "0",
    "MakeSummary": "1",
    "MakeGalleries": "1",
    "MakePicturePages": "1",
    "SummaryTemplate": "clair.htm",
    "GalleryTemplate": "clair.htm",
    "SummaryTitleShown": "1",
    "SummaryTitleColour": INK,
    "GalleryTitleShown": "1",
    "GalleryTitleColour": INK,
    "GalleryTitleSize": "5",
    "SummaryTableBackgroundColour": WHITE,
    "SummaryTableBorderColour": RULE,
    "SummaryTableBorderWidth": "0",
    "SummaryTableCellPadding": "10",
    "SummaryTableCellSpacing": "0",
    "SummaryGalleryTitlesShown": "1",
    "SummaryGalleryTitleColour": ACCENT,
    "SummaryGalleryTitleSize": "4",
    "SummaryGalleryPicturesShown": "1",
    "SummaryGalleryPictureWidth": "200",
    "SummaryGalleryPictureHeight": "150",
    "SummaryGalleryPictureBorderColour": RULE,
    "SummaryGalleryPictureBorderWidth": "1",
    "HomeLinkShown": "0",
    "SummaryTableEntriesPerRow": "3",
    "GalleryTableBackgroundColour": WHITE,
    "GalleryTableBorderColour": RULE,
    "GalleryTableBorderWidth": "0",
    "GalleryTableCellPadding": "8",
    "GalleryTableCellSpacing": "0",
    "GalleryTablePicturesPerRow": "4",
    "GalleryThumbnailWidth": "160",
    "GalleryThumbnailHeight": "120",
    "GalleryThumbnailBorderColour": RULE,
    "GalleryThumbnailBorderWidth": "1",
    "GalleryThumbnailTitlesShown": "1",
    "GalleryThumbnailTitleColour": MUTED,
    "GalleryThumbnailTitleSize": "2",
    "GalleryBackgroundColour": PAPER,
    "PicturePageBackgroundColour": PAPER,
    "MakeThumbnails": "1",
    "TodaysBrowsers": "1",
    "LargestPictureWidth": "1200",
    "LargestPictureHeight": "900",
    "PictureStrips": "1",
    "StampCopyright": "0",
    "CopyrightDistance": "10",
    # What the pages offer visitors; the photo's facts wait to be asked for.
    "VisitorExtras": "download=1 zip=1 slideshow=1 seconds=5 scheme=follow facts=0 feed=1",
}

def settings_bytes():
    lines = [""] * LINE_COUNT
    for name, value in VALUES.items():
        lines[LINE[name]] = value
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


if __name__ == "__main__":
    from generated import write_or_check
    target = pathlib.Path(__file__).resolve().parent.parent / "assets" / "runweb.in_"
    write_or_check({target: settings_bytes()}, "default_settings.py")
