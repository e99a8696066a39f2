"""The language tables' generator refuses a table that would put a text out of
place: one missing, empty, or not the program's."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import language_texts  # noqa: E402


class LanguageTables(unittest.TestCase):
    def test_a_table_missing_emptying_or_adding_a_text_is_refused(self):
        english = language_texts.LANGUAGES["english"]
        texts = {name: text for name, text in english.items() if name != "SaveHint"}
        texts["PublishHint"] = " "
        texts["NoSuchText"] = "Extra"
        body = "".join(f'{name} = "{text}"\n' for name, text in texts.items() if '"' not in text)
        with tempfile.TemporaryDirectory() as folder:
            table = pathlib.Path(folder) / "german.toml"
            table.write_text('choice = "Deutsch"\n[texts]\n' + body, encoding="utf-8")
            with self.assertRaises(language_texts.LanguageTableError) as refused:
                language_texts.read_table(table)
        message = str(refused.exception)
        for problem in ("SaveHint: missing", "PublishHint: empty", "NoSuchText: not a text of the program"):
            self.assertIn(problem, message)

    def test_a_language_beyond_windows_1252_keeps_its_letters_as_references(self):
        self.assertEqual(language_texts.stored("Zapisz zdj\u0119cie \u20ac"), b"Zapisz zdj&#281;cie \x80")
        with self.assertRaises(UnicodeEncodeError):
            language_texts.stored("a\x85b")


if __name__ == "__main__":
    unittest.main()
