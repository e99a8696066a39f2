#!/usr/bin/env python3
"""The help pages in assets/aide: the pages the program opens exist in every
language, are the Windows-1252 pages tools/help_pages.py writes, link only to
help pages that exist, and explain every tab and FTP field by the caption the
program shows for it."""
import html
import pathlib
import re
import subprocess
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
from language_texts import LANGUAGES  # noqa: E402

# The help's folders by language table.
FOLDERS = {"french": ROOT / "assets/aide/aide_france/aideweb", "english": ROOT / "assets/aide/aide_us/aideweb_us",
           "german": ROOT / "assets/aide/german", "spanish": ROOT / "assets/aide/spanish"}
FRENCH, ENGLISH = "french", "english"

# What each page must explain, by the names of the captions the program shows.
EXPLAINED = {
    "etape2.htm": ["SummaryPageTab", "MoreTab", "ButtonsTab", "ExtrasTab", "MakeSummaryCaption", "MakeThumbnailsCaption",
                   "SummaryTitleCaption", "ItemsPerRowLabel", "GalleryPicturesCaption", "GalleryTitlesCaption",
                   "NamesLabel", "FirstPictureLabel", "LastPictureLabel", "HomeLinkCaption", "HomeTitleLabel",
                   "HomeLinkLabel", "HomePictureLabel", "TopHtmlLabel", "BottomHtmlLabel"],
    "etape2b.htm": ["GalleryPagesTab", "MoreTab", "ExtrasTab", "MakeGalleriesCaption", "TableFrameLabel", "PerRowLabel",
                    "GalleryTitleCaption", "MaxWidthLabel", "MaxHeightLabel", "ThumbnailTitlesCaption",
                    "TopHtmlLabel", "BottomHtmlLabel"],
    "etape2c.htm": ["PicturePagesTab", "MoreTab", "ButtonsTab", "ExtrasTab", "MakePicturePagesCaption",
                    "PictureTitleCaption", "PictureBorderLabel", "PictureSpaceLabel", "PictureSizeLimitLabel",
                    "CommentCaption", "ButtonsAtTopCaption", "ButtonsAtBottomCaption", "ShowTexts", "ShowPictures",
                    "BackTextLabel", "ContentsTextLabel", "NextTextLabel", "BackPictureLabel", "ContentsPictureLabel",
                    "NextPictureLabel", "StripsLabel", "StampCaption", "StampPictureLabel", "EdgeDistanceLabel"],
    "etape4.htm": ["PublishTitle", "FtpServerLabel", "UserNameLabel", "PasswordLabel", "HelpButton", "Ok", "Cancel",
                   "PublishQuestion", "ServerFolder", "PublishFolderLabel", "SendChangesButton", "SendAllButton",
                   "ViewOnline", "ConnectionFailed", "SendFolderError"],
}


def read(column, name):
    return (FOLDERS[column] / name).read_bytes().decode("cp1252")


def shown(text):
    """The text as the reader sees it: no tags, entities decoded, blanks joined."""
    return " ".join(html.unescape(re.sub(r"<[^>]+>", " ", text)).split())


def caption(language, name):
    return re.sub(r"\s*:\s*$", "", LANGUAGES[language][name])


class HelpPagesTest(unittest.TestCase):
    def test_the_pages_on_disk_are_what_the_script_writes(self):
        run = subprocess.run([sys.executable, str(ROOT / "tools/help_pages.py"), "--check"],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stderr)

    def test_every_page_the_program_opens_exists_in_every_language(self):
        self.assertEqual(set(FOLDERS), set(LANGUAGES))
        opened = set(re.findall(r'"(\w+\.htm)"', (ROOT / "app/HelpPages.cpp").read_text()))
        self.assertTrue({"infos.htm", "sommairewebs.htm", "etape2.htm"} <= opened, opened)
        opened.add("etape4.htm")  # the help button of the FTP settings window
        for column, folder in FOLDERS.items():
            for name in sorted(opened):
                self.assertTrue((folder / name).is_file(), folder / name)

    def test_pages_are_windows_1252_and_say_so(self):
        for column, folder in FOLDERS.items():
            for path in sorted(folder.glob("*.htm")):
                content = path.read_bytes()
                self.assertIn(b'<meta charset="windows-1252">', content, path)
                self.assertNotIn(b"\xc3", content, f"{path}: UTF-8 bytes in a Windows-1252 page")
                content.decode("cp1252")
        # An accented capital in Windows-1252 is one byte: É is 0xC9.
        self.assertIn(b"<h1>\xc9tape 2", (FOLDERS[FRENCH] / "etape2.htm").read_bytes())

    def test_links_lead_to_help_pages_of_the_same_language(self):
        for folder in FOLDERS.values():
            for path in sorted(folder.glob("*.htm")):
                for target in re.findall(r'href="([^"]*)"', path.read_bytes().decode("cp1252")):
                    if target.startswith(("http:", "https:", "mailto:", "#")):
                        continue
                    self.assertTrue((folder / target).is_file(), f"{path.name} links to {target}")
        self.assertIn('href="etape2b.htm"', read(FRENCH, "etape2.htm"))
        self.assertIn('href="etape4.htm"', read(ENGLISH, "etape2c.htm"))

    def test_each_tab_and_field_is_named_by_the_programs_caption(self):
        for column in FOLDERS:
            for name, captions in EXPLAINED.items():
                page = shown(read(column, name))
                for text_name in captions:
                    with self.subTest(language=column, page=name, caption=text_name):
                        self.assertIn(caption(column, text_name), page)


if __name__ == "__main__":
    unittest.main()
