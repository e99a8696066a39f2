#!/usr/bin/env python3
"""The program's language texts. NAMES gives each text its number (its line
in the language files) and the name the code reads it by; lang/texts/<code>.toml
gives each language's texts by name, one file per language. Run it to write
assets/<code>.asc for every language (Windows-1252, CR LF, line N = "N,text N";
a character beyond Windows-1252 as its numeric character reference)
and lang/TextId.h. A text missing from a language, empty, or not in NAMES is
an error, never a line out of place. With --check it writes nothing and fails
when one of those files differs from what it would write."""
import pathlib
import sys
import tomllib

ROOT = pathlib.Path(__file__).resolve().parent.parent
LANGUAGE_TABLES = ROOT / "lang" / "texts"

NAMES = {
    0: "ProgramTitle",
    1: "PublishHint",
    2: "SaveHint",
    3: "GalleryDesignHint",
    4: "PictureDesignHint",
    5: "AlreadyInProject",
    6: "SaveChangesQuestion",
    7: "WorkingName",
    8: "SaveNewCaption",
    9: "SaveOtherCaption",
    10: "OverwriteQuestion",
    11: "ReservedName",
    12: "SaveFirstQuestion",
    13: "NoPictures",
    14: "Previous",
    15: "Next",
    16: "ContentsButton",
    17: "HelpHint",
    18: "MoveDownHint",
    19: "AddPicturesHint",
    20: "PicturesStepHint",
    21: "RefreshPreviewHint",
    22: "MoveUpHint",
    23: "NewProjectHint",
    24: "OpenProjectHint",
    25: "Ok",
    26: "Cancel",
    27: "SeeResult",
    28: "BackTextLabel",
    29: "NextTextLabel",
    30: "ContentsTextLabel",
    31: "QuitHint",
    32: "LanguageName",
    33: "BackPictureLabel",
    34: "NextPictureLabel",
    35: "ContentsPictureLabel",
    36: "SummaryDesignHint",
    37: "DeleteTickedHint",
    38: "DesignPages",
    39: "ButtonsAtBottomCaption",
    40: "ButtonsAtTopCaption",
    41: "PictureTitleCaption",
    42: "CommentCaption",
    43: "MakeGalleriesCaption",
    44: "MakePicturePagesCaption",
    45: "MakeSummaryCaption",
    46: "GalleryTitleCaption",
    47: "ThumbnailTitlesCaption",
    48: "MakeThumbnailsCaption",
    49: "HomeLinkCaption",
    50: "GalleryPicturesCaption",
    51: "LanguageTag",
    52: "SummaryTitleCaption",
    53: "MessageTitle",
    54: "Yes",
    55: "GalleryTitlesCaption",
    56: "OpenTitle",
    57: "MainWindowTitle",
    58: "TitleLabel",
    59: "BackgroundLabel",
    60: "HomeLinkLabel",
    61: "TemplateLabel",
    62: "BackgroundColourLabel",
    63: "PatternLabel",
    64: "BorderLabel",
    65: "MarginLabel",
    66: "CellPaddingLabel",
    67: "FontLabel",
    68: "PictureBorderLabel",
    69: "CommentLabel",
    70: "PictureSpaceLabel",
    71: "HorizontalLabel",
    72: "VerticalLabel",
    73: "PositionLabel",
    74: "PictureLabel",
    75: "ButtonsLabel",
    76: "SavedChanged",
    77: "StylePlain",
    78: "StyleBold",
    79: "StyleItalic",
    80: "StyleUnderlined",
    81: "PositionCentred",
    82: "PositionLeft",
    83: "PositionRight",
    84: "SampleTitle",
    85: "BrowserFont",
    86: "SampleComment1",
    87: "SampleComment2",
    88: "SampleComment3",
    89: "Gallery1",
    90: "Gallery2",
    91: "Gallery3",
    92: "Gallery4",
    93: "Gallery5",
    94: "Gallery6",
    95: "Gallery7",
    96: "Gallery8",
    97: "Gallery9",
    98: "Gallery10",
    99: "Home",
    100: "PictureWord",
    101: "GalleryWord",
    102: "SummaryWord",
    103: "StepOne",
    104: "StepTwoSummary",
    105: "StepTwoGalleries",
    106: "StepTwoPictures",
    107: "Connecting",
    108: "ConnectingTo",
    109: "ReadingServerFolders",
    110: "LoggingIn",
    111: "CannotCreateFolder",
    112: "SendingProject",
    113: "SendingFolder",
    114: "Sending",
    115: "PublishingFinished",
    116: "Disconnecting",
    117: "RemovingOldSite",
    118: "GalleryPageStatus",
    119: "PicturePageStatus",
    120: "PreparingPicture",
    121: "SiteReady",
    122: "MissingHeader",
    123: "MissingFooter",
    124: "PictureTooLarge",
    125: "PictureTooLargeEnd",
    126: "NameNotStorable",
    127: "UnusableName",
    128: "SaveIncomplete",
    129: "DeleteQuestion",
    130: "TextNotStorable",
    133: "ConvertStart",
    134: "ConvertBmpEnd",
    135: "ConvertGifEnd",
    136: "ConvertAnimatedGifEnd",
    137: "FileWord",
    138: "DoesNotExist",
    139: "UnknownFormat",
    140: "NotAPicture",
    141: "CannotReadPicture",
    142: "DamagedOrUnknown",
    143: "PictureNotFound",
    144: "TableFrameLabel",
    145: "PerRowLabel",
    146: "ColonLabel",
    147: "MaxWidthLabel",
    148: "HomeTitleLabel",
    149: "HomePictureLabel",
    150: "MaxHeightLabel",
    151: "NamesLabel",
    152: "FirstPictureLabel",
    153: "LastPictureLabel",
    154: "PicturesLabel",
    155: "MaxSizeLabel",
    156: "ByLabel",
    157: "ItemsPerRowLabel",
    158: "TableLabel",
    159: "TopHtmlLabel",
    160: "BottomHtmlLabel",
    161: "PictureSizeLimitLabel",
    162: "ResizeNote",
    163: "PictureFilter",
    164: "ShowPictures",
    165: "ShowTexts",
    166: "GalleryPagesTab",
    167: "MoreTab",
    168: "ExtrasTab",
    169: "SummaryPageTab",
    170: "ButtonsTab",
    171: "PicturePagesTab",
    172: "ImageTab",
    173: "TextsTab",
    174: "No",
    175: "ProjectNameLabel",
    176: "StyleLabel",
    177: "SizeLabel",
    178: "ColourLabel",
    179: "ThicknessLabel",
    186: "PleaseWait",
    187: "BuildTitle",
    188: "ViewSite",
    189: "PublishTitle",
    190: "FtpServerLabel",
    191: "UserNameLabel",
    192: "PasswordLabel",
    193: "FtpServerExample",
    194: "AskYourHost",
    195: "TheProject",
    196: "PublishedInFolder",
    197: "Publishing",
    198: "ViewOnline",
    199: "WaitTitle",
    200: "ListUnreadable",
    201: "CannotGoUp",
    202: "HtmlFilter",
    203: "StripsLabel",
    204: "StripsNote",
    205: "HtmlPathNote",
    206: "StampCaption",
    207: "CornerBottomRight",
    208: "CornerBottomLeft",
    209: "CornerTopRight",
    210: "CornerTopLeft",
    211: "StampPictureLabel",
    212: "EdgeDistanceLabel",
    214: "ProtectionLabel",
    215: "StripsUnit",
    216: "NoKindOfPage",
    217: "NoKindOfPageToPublish",
    218: "PictureAlt",
    219: "MissingMarker",
    220: "MadeWith",
    221: "SignatureName",
    222: "TopOfPage",
    223: "Back",
    224: "LogoFile",
    225: "NothingToSave",
    226: "PublishQuestion",
    227: "SendFolderError",
    228: "RemoteFileWord",
    229: "ReplaceRemoteQuestion",
    230: "NotBuiltYet",
    231: "ConnectionFailed",
    232: "SaveFirst",
    233: "SaveFirstToPublish",
    234: "DeleteCaption",
    235: "OpenProjectCannotGo",
    236: "NarrowScreen",
    237: "OpenFailed",
    238: "QuitQuestion",
    239: "FewColours",
    240: "InsertHtmlLabel",
    241: "HelpButton",
    242: "ServerFolder",
    243: "PublishFolderLabel",
    244: "FileUnusable",
    245: "OutOfMemory",
    246: "UnexpectedError",
    247: "SampleUnavailable",
    248: "PreviewWidthHint",
    249: "ServerTimedOut",
    250: "RemotePathTooLong",
    251: "AlreadyRunning",
    252: "FileUnreadable",
    253: "NotAnOrdinaryFile",
    254: "FileTooLarge",
    255: "FileUnwritable",
    256: "FileNotReplaced",
    257: "FileNotCopied",
    258: "TextNotUtf8",
    259: "CharacterNotStorable",
    260: "NotConnected",
    261: "ListingUnderWay",
    262: "NameNeedsUtf8Server",
    280: "ConvertPhotoEnd",
    281: "SkippedWithoutConvert",
    282: "PictureAdded",
    310: "PictureNotMoved",
    311: "ParamCopyFailed",
    312: "PreviewPixels",
    330: "UntrustedCertificate",
    331: "UnknownHostKey",
    332: "ChangedHostKey",
    333: "ReasonLabel",
    334: "FingerprintLabel",
    335: "ConnectOnlyIfKnown",
    336: "NotAPictureToAdd",
    337: "PicturesInNoGallery",
    338: "GalleriesFull",
    339: "UnreadablePictureSkipped",
    340: "ProgramFolderInUse",
    341: "NoSuchFile",
    342: "NoProjectAt",
    343: "UnknownOption",
    344: "OptionNeedsValue",
    345: "PortOutOfRange",
    346: "TimeoutOutOfRange",
    347: "ReplaceValues",
    348: "OneProjectOnly",
    349: "PublishNeeds",
    350: "PasswordNotAnArgument",
    351: "NoTerminalToAsk",
    352: "NoPasswordGiven",
    353: "PublishStopped",
    354: "NotPublished",
    355: "PlanNew",
    356: "PlanChanged",
    357: "PlanUnchanged",
    358: "PlanHeading",
    359: "ChoiceKeys",
    360: "CommandsHelp",
    361: "ProjectHelp",
    362: "ExitStatusHelp",
    363: "BuildHelp",
    364: "AddHelp",
    365: "AddGalleryHelp",
    366: "AddConvertHelp",
    367: "PublishHelp",
    368: "PublishPasswordHelp",
    369: "PublishReplaceHelp",
    370: "WindowHelp",
    371: "GalleryNameUnusable",
    372: "FolderNotEntered",
    373: "RemotePathUnusable",
    374: "PlanRemoved",
    375: "PlanQuestion",
    376: "SendChangesButton",
    377: "SendAllButton",
    378: "NothingToSend",
    379: "DoneBeforeStop",
    380: "NotDoneLabel",
    381: "Removing",
    382: "TlsNoLongerOffered",
    383: "WebAddressTitle",
    384: "WebAddressPrompt",
    385: "PublishDeleteHelp",
    386: "SizeUnits",
    387: "PlanNewCount",
    388: "PlanChangedCount",
    389: "PlanUnchangedCount",
    390: "PlanRemovedCount",
    391: "TodaysBrowsersCaption",
    392: "ComputerView",
    393: "PhoneView",
    394: "SiteLanguageLabel",
    395: "NothingTicked",
    396: "WebPictureFilter",
    397: "TextsFromPhotos",
    398: "AddTitlesHelp",
    399: "LookForAllPages",
    400: "LookNotEverywhere",
    401: "GalleryWithoutPictures",
    402: "FolderNotAProject",
    403: "ProgramFolderUnusable",
    404: "UnknownCommand",
    405: "UsageWord",
    406: "ChosenLanguageUnusable",
    407: "SiteLanguageUnusable",
    408: "PrivateDataNotRemoved",
    409: "RenamingOnServer",
    410: "PlainFtpQuestion",
    411: "PlainFtpRefused",
    412: "IdentityChanged",
    413: "AcceptedBeforeLabel",
    414: "RememberPassword",
    415: "PasswordNotRemembered",
    416: "PublishSecurityHelp",
    417: "PublishKeysHelp",
    418: "PlanMovedCount",
    419: "PlanMovedFrom",
    420: "ProgressHelp",
    421: "SchemeLabel",
    422: "SchemeLight",
    423: "SchemeDark",
    424: "SchemeFollow",
    425: "FeedCaption",
    426: "ArchiveCaption",
    427: "DownloadCaption",
    428: "SlideshowCaption",
    429: "SlideSecondsLabel",
    430: "PhotoFactsCaption",
    431: "ExtrasNeedTodaysPages",
    432: "DownloadWord",
    433: "DownloadGalleryWord",
    434: "PlayWord",
    435: "PauseWord",
    436: "CameraWord",
    437: "LensWord",
    438: "FocalLengthWord",
    439: "ApertureWord",
    440: "ExposureWord",
    441: "IsoWord",
    442: "DateTakenWord",
    443: "FeedWord",
    444: "SortByDateCommand",
    445: "SortedCount",
    446: "NoDatesFound",
    447: "WebAddressHelp",
    448: "MegabytesUnit",
    449: "KilobytesUnit",
    450: "SortHelp",
    451: "PictureFactsWord",
    452: "WebAddressInvalid",
    453: "WebAddressKept",
    454: "NoSuchGallery",
    455: "SortAllByDate",
    456: "DropPhotosHere",
    457: "IconSizeWord",
    458: "LookCarnet",
    459: "LookClair",
    460: "LookEcrin",
    461: "LookModerne",
    462: "ChooseFileWord",
    463: "CloseButton",
    464: "FilesSentWord",
    465: "FilesRemovedWord",
    466: "ClipNotAdded",
    467: "ResumedAfter",
}

LAST = 467  # the language files' last line; numbers not in NAMES are empty lines


class LanguageTableError(Exception):
    pass


def read_table(path):
    """{name: text} of one language's table, checked against NAMES."""
    table = tomllib.loads(path.read_text(encoding="utf-8"))
    texts = table.get("texts", {})
    problems = []
    names = set(NAMES.values())
    problems += [f"{name}: missing" for name in sorted(names - texts.keys())]
    problems += [f"{name}: not a text of the program" for name in sorted(texts.keys() - names)]
    for number, name in sorted(NAMES.items()):
        text = texts.get(name)
        if text is None:
            continue
        if not isinstance(text, str) or not text.strip():
            problems.append(f"{name}: empty")
            continue
        try:
            line = stored(f"{number},{text}")
        except UnicodeEncodeError as error:
            problems.append(f"{name}: {text[error.start:error.end]!r} is a control character")
            continue
        if len(line) > 249:
            problems.append(f"{name}: longer than a line holds ({len(line)} bytes of 249)")
        if "\n" in text or "\r" in text:
            problems.append(f"{name}: more than one line")
    if problems:
        raise LanguageTableError(f"{path}:\n  " + "\n  ".join(problems))
    return texts


def stored(text):
    """Text as the program keeps it: Windows-1252, each character beyond it
    (from U+0100 on) as its numeric character reference, "&#321;"."""
    out = bytearray()
    for position, character in enumerate(text):
        try:
            out += character.encode("cp1252")
        except UnicodeEncodeError:
            if ord(character) < 0x100:
                raise UnicodeEncodeError("cp1252", text, position, position + 1, "a control character")
            out += f"&#{ord(character)};".encode("ascii")
    return bytes(out)


def read_tables():
    """{code: {name: text}} of every language table."""
    return {path.stem: read_table(path) for path in sorted(LANGUAGE_TABLES.glob("*.toml"))}


def language_file(texts):
    by_number = {number: texts[name] for number, name in NAMES.items()}
    lines = [f"{n},{by_number.get(n, '')}" for n in range(LAST + 1)]
    return stored("\r\n".join(lines) + "\r\n")


try:
    LANGUAGES = read_tables()
except LanguageTableError as error:
    sys.exit(f"tools/language_texts.py: {error}")

# The texts by number with their French and English words, for the help pages' tools.
FRENCH, ENGLISH = 1, 2
TEXTS = {n: (name, LANGUAGES["french"][name], LANGUAGES["english"][name]) for n, name in NAMES.items()}


def text_id_header():
    names = [NAMES[n] for n in sorted(NAMES)]
    assert len(set(names)) == len(names), "two texts share a name"
    enumerators = "".join(f"    {NAMES[n]} = {n},\n" for n in sorted(NAMES))
    table = "".join(f"    TextId::{name},\n" for name in names)
    return f"""#pragma once

// Written by tools/language_texts.py from its table of texts: edit the table
// and run the script, not this file.

#include <array>

namespace palimora {{

// A language text, by what the program uses it for. Its value is the text's
// line in french.asc and english.asc.
enum class TextId {{
{enumerators}}};

// Every text the language files hold, in line order.
inline constexpr std::array<TextId, {len(names)}> kAllTextIds{{{{
{table}}}}};

inline constexpr int kLanguageFileLines = {LAST + 1};

// The default name of gallery `gallery` (1 to 10).
constexpr TextId GalleryText(int gallery) {{
    return static_cast<TextId>(static_cast<int>(TextId::Gallery1) + gallery - 1);
}}

}}  // namespace palimora
""".encode("ascii")


def outputs(root):
    files = {root / "assets" / f"{code}.asc": language_file(texts) for code, texts in LANGUAGES.items()}
    files[root / "lang" / "TextId.h"] = text_id_header()
    return files


if __name__ == "__main__":
    from generated import write_or_check
    write_or_check(outputs(ROOT), "language_texts.py")
