"""The settings lines by name, read from the enumeration the program uses
(styles/SettingsLayout.h), so that the generators of settings files never
number a line themselves."""
import pathlib
import re

_HEADER = pathlib.Path(__file__).resolve().parent.parent / "styles" / "SettingsLayout.h"
_ENUM = _HEADER.read_text().split("enum class SettingLine {")[1].split("};")[0]

LINE = {name: int(number) for name, number in re.findall(r"^\s*(\w+) = (\d+),", _ENUM, re.M)}
LINE_COUNT = len(LINE)


def gallery_line(line_of_gallery_1, gallery):
    """The line of gallery `gallery` (1 to 10) in the run named by its first."""
    return LINE[line_of_gallery_1] + gallery - 1
