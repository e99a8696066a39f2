#include "publish/PublicationRecord.h"
#include "common/TextLines.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace palimora {
namespace {

namespace fs = std::filesystem;

// A run cut off after some files still knows them, a damaged line is
// nothing known, and each server, user and folder has a record of its own.
TEST(PublicationRecord, WhatWasNotedSurvivesACutRunAndDamageIsForgotten) {
    testing::TempFolder project;
    const SentFile page{120, 115, std::string(64, 'a')};
    {
        PublicationRecord record(project.Path(), "host:21 me /www/Demo");
        record.NoteSent("index.html", page);
        record.NoteSent("images/000001.jpg", {9000, 9000, std::string(64, 'b')});
        record.NoteRemoved("images/000001.jpg");
        record.NoteSent("tn_images/tn-000001.jpg", {900, 900, std::string(64, 'c')});
        // No Save: the run was cut here.
    }
    PublicationRecord again(project.Path(), "host:21 me /www/Demo");
    again.Load();
    ASSERT_EQ(again.Files().size(), 2u);
    ASSERT_NE(again.Find("index.html"), nullptr);
    EXPECT_EQ(again.Find("index.html")->lfSize, 115u);
    EXPECT_EQ(again.Find("images/000001.jpg"), nullptr);

    // A line cut in the middle, and nonsense, are skipped.
    std::ofstream(again.File(), std::ios::app)
        << "S\t12\t12\t1\tabc\tcut.htm\nnonsense\nS\tx\t1\t1\t" << std::string(64, 'd') << "\tbad.htm\nS\t5\t5\t1\t"
        << std::string(64, 'e');
    again.Load();
    EXPECT_EQ(again.Files().size(), 2u);

    again.Save();
    PublicationRecord saved(project.Path(), "host:21 me /www/Demo");
    saved.Load();
    EXPECT_EQ(saved.Files().size(), 2u);
    PublicationRecord elsewhere(project.Path(), "host:21 me /www/Other");
    elsewhere.Load();
    EXPECT_TRUE(elsewhere.Files().empty());
}

TEST(PublicationRecord, APageIsDescribedWithItsSizeWithLfEnds) {
    testing::TempFolder project;
    const fs::path page = project.Path() / "index.html";
    std::ofstream(page, std::ios::binary) << "<p>\r\nhello\r\n";
    const SentFile described = DescribeLocalFile(page, true);
    EXPECT_EQ(described.size, 12u);
    EXPECT_EQ(described.lfSize, 10u);
    // SHA-256 of the bytes, as sha256sum prints it.
    EXPECT_EQ(DescribeLocalFile(page, false).sha256, described.sha256);
    std::ofstream(page, std::ios::binary | std::ios::trunc) << "abc";
    const SentFile abc = DescribeLocalFile(page, false);
    EXPECT_EQ(abc.sha256, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Known by its size and time, it is not read again; rewritten, it is.
    SentFile known = abc;
    known.sha256 = std::string(64, 'f');
    EXPECT_EQ(DescribeLocalFile(page, false, &known).sha256, known.sha256);
    fs::last_write_time(page, fs::last_write_time(page) + std::chrono::seconds(1));
    EXPECT_EQ(DescribeLocalFile(page, false, &known).sha256, abc.sha256);
}

}  // namespace
}  // namespace palimora
