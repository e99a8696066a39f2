#include "project/PictureList.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/AddedPictureConversion.h"
#include "project/WorkingFolder.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class PictureListTest : public ::testing::Test {
protected:
    PictureListTest() {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(ProgramFolder(temp.Path()));
        PrepareWorkingFolder(working);
    }

    fs::path Source(const std::string& name) {
        const fs::path file = temp.Path() / "sources" / fs::path(std::u8string(name.begin(), name.end()));
        fs::create_directories(file.parent_path());
        if (!fs::exists(file)) EncodeJpeg(testing::Plain(8, 8, {9, 9, 9}), file);
        return file;
    }

    PictureList::Converter Convert() {
        return [this](const fs::path& copy, const fs::path& source) {
            return ConvertAddedPicture(copy, source, dialogs, language);
        };
    }

    // Pictures "p1" .. "p<n>", appended one by one.
    void AddNumbered(int count) {
        for (int i = 1; i <= count; ++i) list.Add({Source("p" + std::to_string(i) + ".jpg")}, i - 1, Convert());
    }

    Names Titles() {
        Names titles;
        for (std::size_t n = 1; n <= list.Files().size(); ++n)
            titles.push_back(list.Texts().Read(static_cast<int>(n))->title);
        return titles;
    }

    testing::TempFolder temp;
    fs::path working = temp.Path() / "Projets" / "Nouveau Projet";
    Language language;
    testing::ScriptedDialogs dialogs;
    PictureList list{working};
};

TEST_F(PictureListTest, AFirstJpegPictureIsNumberedTitledAndRenamed) {
    const auto added = list.Add({Source("Beach.JPEG")}, 0, Convert());
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].number, 1);
    EXPECT_EQ(added[0].file, working / "images" / "000001.jpg");
    EXPECT_EQ(list.Files(), Names{"000001.jpg"});
    EXPECT_EQ(list.Texts().Read(1)->title, "Beach");
    EXPECT_EQ(list.Texts().Read(1)->comment, "");
    EXPECT_EQ(fs::file_size(working / "textes" / "images.dat"), 912u);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PictureListTest, InsertingBeforeAPictureMovesTheRestUp) {
    AddNumbered(5);
    list.Texts().Write(4, "p4", "comment of four");
    const auto added = list.Add({Source("new.jpg")}, 2, Convert());
    EXPECT_EQ(added[0].number, 2);
    EXPECT_EQ(list.Files().size(), 6u);
    EXPECT_EQ(Titles(), (Names{"p1", "new", "p2", "p3", "p4", "p5"}));
    EXPECT_EQ(list.Texts().Read(5)->comment, "comment of four");

    const auto appended = list.Add({Source("last.jpg")}, 6, Convert());
    EXPECT_EQ(appended[0].number, 7);
    EXPECT_EQ(Titles().back(), "last");
}

TEST_F(PictureListTest, SeveralPicturesKeepTheOrderGiven) {
    AddNumbered(2);
    list.Add({Source("a.jpg"), Source("b.jpg")}, 1, Convert());
    EXPECT_EQ(Titles(), (Names{"a", "b", "p1", "p2"}));
}

TEST_F(PictureListTest, DeletingTickedPicturesRenumbersTheRest) {
    AddNumbered(5);
    list.Delete({1, 3});
    EXPECT_EQ(list.Files(), (Names{"000001.jpg", "000002.jpg", "000003.jpg"}));
    EXPECT_EQ(Titles(), (Names{"p1", "p3", "p5"}));
    EXPECT_EQ(*list.Texts().FindSlot(0), 2u);  // the freed records stay
    EXPECT_FALSE(fs::exists(working / "textes" / "images2.dat"));

    list.Delete({});
    EXPECT_EQ(Titles(), (Names{"p1", "p3", "p5"}));
}

TEST_F(PictureListTest, MovingSwapsFilesAndTextsEachKeepingItsExtension) {
    AddNumbered(1);
    testing::WriteGif(temp.Path() / "sources" / "anim.gif", 4, 4, {{1, 1, 1}});
    dialogs.answers = {kModalCancel};  // keep it a GIF
    list.Add({temp.Path() / "sources" / "anim.gif"}, 1, Convert());
    list.Add({Source("p3.jpg")}, 2, Convert());
    ASSERT_EQ(list.Files(), (Names{"000001.jpg", "000002.gif", "000003.jpg"}));

    EXPECT_TRUE(list.Move(2, +1));
    EXPECT_EQ(list.Files(), (Names{"000001.jpg", "000002.jpg", "000003.gif"}));
    EXPECT_EQ(Titles(), (Names{"p1", "p3", "anim"}));
    EXPECT_FALSE(list.Texts().Read(9999));

    EXPECT_FALSE(list.Move(3, +1));
    EXPECT_FALSE(list.Move(1, -1));
    EXPECT_TRUE(list.Move(3, -1));
    EXPECT_EQ(Titles(), (Names{"p1", "anim", "p3"}));

    // A drag in the list moves a picture past several others.
    list.Add({Source("p4.jpg"), Source("p5.jpg")}, 3, Convert());
    EXPECT_TRUE(list.MoveTo(2, 5));
    EXPECT_EQ(Titles(), (Names{"p1", "p3", "p4", "p5", "anim"}));
    EXPECT_EQ(list.Files().back(), "000005.gif");
    EXPECT_TRUE(list.MoveTo(4, 1));
    EXPECT_EQ(Titles(), (Names{"p5", "p1", "p3", "p4", "anim"}));
    EXPECT_FALSE(list.MoveTo(2, 6));
    EXPECT_FALSE(list.MoveTo(3, 3));

    // A sort puts every picture in its new place at once, through cycles of renames.
    EXPECT_TRUE(list.Reorder({5, 3, 4, 1, 2}));
    EXPECT_EQ(Titles(), (Names{"anim", "p3", "p4", "p5", "p1"}));
    EXPECT_EQ(list.Files().front(), "000001.gif");
    EXPECT_FALSE(list.Reorder({1, 1, 2, 3, 4}));
    EXPECT_FALSE(list.Reorder({1, 2, 3, 4}));
    EXPECT_EQ(Titles(), (Names{"anim", "p3", "p4", "p5", "p1"}));
}

// A rename that fails half-way through a swap (here a folder stands where
// the last rename goes, which stops root too) puts back the files already
// renamed and leaves the texts with their pictures.
TEST_F(PictureListTest, AMoveWhoseRenameFailsIsUndoneAndReported) {
    AddNumbered(1);
    testing::WriteGif(temp.Path() / "sources" / "anim.gif", 4, 4, {{1, 1, 1}});
    dialogs.answers = {kModalCancel};
    list.Add({temp.Path() / "sources" / "anim.gif"}, 1, Convert());
    list.Add({Source("p3.jpg")}, 2, Convert());
    const fs::path inTheWay = working / "images" / "000003.gif";
    fs::create_directories(inTheWay / "full");

    try {
        list.Move(2, +1);
        FAIL() << "the failed rename was not reported";
    } catch (const fs::filesystem_error& error) {
        EXPECT_EQ(error.path2(), inTheWay);
    }
    EXPECT_EQ(list.Files(), (Names{"000001.jpg", "000002.gif", "000003.jpg"}));
    EXPECT_EQ(Titles(), (Names{"p1", "anim", "p3"}));
    EXPECT_FALSE(fs::exists(working / "images" / "9999.gif"));
    EXPECT_FALSE(list.Texts().Read(9999));

    // A failure at the first rename leaves everything as it was too.
    fs::create_directories(working / "images" / "9999.jpg" / "full");
    EXPECT_THROW(list.Move(1, +1), fs::filesystem_error);
    EXPECT_EQ(list.Files(), (Names{"000001.jpg", "000002.gif", "000003.jpg"}));
    EXPECT_EQ(Titles(), (Names{"p1", "anim", "p3"}));
}

TEST_F(PictureListTest, BitmapsAndGifsBecomeJpegsOnlyWhenTheUserAgrees) {
    testing::WriteBmp(temp.Path() / "sources" / "scan.bmp", testing::Quadrants(8, 6));
    dialogs.answers = {kModalYes};
    auto added = list.Add({temp.Path() / "sources" / "scan.bmp"}, 0, Convert());
    EXPECT_EQ(list.Files(), Names{"000001.jpg"});
    EXPECT_EQ(ReadJpegSize(added[0].file).width, 8);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind(language.LangText(TextId::ConvertStart) + " ", 0), 0u);
    EXPECT_NE(dialogs.shown[0].find(language.LangText(TextId::ConvertBmpEnd)), std::string::npos);

    dialogs.answers = {kModalCancel};
    list.Add({temp.Path() / "sources" / "scan.bmp"}, 1, Convert());
    EXPECT_EQ(list.Files(), (Names{"000001.jpg", "000002.bmp"}));

    testing::WriteGif(temp.Path() / "sources" / "anim.gif", 4, 4, {{1, 1, 1}, {2, 2, 2}});
    dialogs.answers = {kModalYes};
    list.Add({temp.Path() / "sources" / "anim.gif"}, 2, Convert());
    EXPECT_NE(dialogs.shown.back().find(language.LangText(TextId::ConvertAnimatedGifEnd)), std::string::npos);
    EXPECT_EQ(list.Files().back(), "000003.jpg");
}

TEST_F(PictureListTest, ADamagedGifIsKeptAndReported) {
    testing::WriteGif(temp.Path() / "sources" / "bad.gif", 4, 4, {{1, 1, 1}});
    testing::CutFile(temp.Path() / "sources" / "bad.gif", 30);
    list.Add({temp.Path() / "sources" / "bad.gif"}, 0, Convert());
    EXPECT_EQ(list.Files(), Names{"000001.gif"});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].rfind("Error 6: ", 0), 0u);
    EXPECT_NE(dialogs.shown[0].find("bad.gif"), std::string::npos)
        << dialogs.shown[0];  // the user's file, not the copy
    EXPECT_EQ(dialogs.shown[0].find("000001"), std::string::npos) << dialogs.shown[0];
}

// A folder or a pipe chosen as a picture is refused by its name in the
// language's words, not the file system's.
TEST_F(PictureListTest, WhatCannotBeCopiedIsToldInTheLanguage) {
    const fs::path folder = temp.Path() / "holiday.jpg";
    fs::create_directories(folder);
    try {
        list.Add({folder}, 0, Convert());
        FAIL();
    } catch (const PalimoraError& error) {
        EXPECT_EQ(error.UserMessage(), language.LangText(TextId::FileNotCopied) + " " + DisplayPath(folder) + ".");
    }
}

TEST_F(PictureListTest, NamesBecomeWindows1252TitlesWithReferencesBeyondIt) {
    list.Add({Source("Été à Noël.jpg"), Source("Łódź.jpg")}, 0, Convert());
    EXPECT_EQ(list.Texts().Read(1)->title, "\xC9t\xE9 \xE0 No\xEBl");
    EXPECT_EQ(list.Texts().Read(2)->title,
              "&#321;\xF3"
              "d&#378;");
}

TEST_F(PictureListTest, APhotosOwnTitleAndDescriptionBecomeItsTexts) {
    const fs::path both = testing::WithXmpTexts(Source("IMG_1.jpg"), "Le pont", "Au soir\nSur la Loire");
    const fs::path described = testing::WithXmpTexts(Source("IMG_2.jpg"), "", "Coucher de soleil");
    const fs::path foreign = testing::WithXmpTexts(Source("IMG_3.jpg"), "東京");
    const auto added = list.Add({both, described, foreign}, 0, Convert());
    EXPECT_EQ(added[0].title, "Le pont");
    EXPECT_EQ(list.Texts().Read(1)->comment, "\"Au soir\",\"Sur la Loire\"");
    EXPECT_EQ(list.Texts().Read(2)->title, "Coucher de soleil");  // a one-line description is a title
    EXPECT_EQ(list.Texts().Read(2)->comment, "");
    EXPECT_EQ(list.Texts().Read(3)->title, "&#26481;&#20140;");

    list.Add({both}, 3, Convert(), AddedTexts::FromFileName);
    EXPECT_EQ(list.Texts().Read(4)->title, "IMG_1");
    EXPECT_EQ(list.Texts().Read(4)->comment, "");
}

}  // namespace
}  // namespace palimora
