#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "common/help_topics.h"

namespace {

TEST(HelpTopics, FindHelpRowAnswersEachKindOfSearch) {
    struct Case {
        int32_t id, key;
        const char* topic;
        int32_t rowId, rowKey;
    };
    const Case cases[] = {
        {30, 0, "manual.chm::/html/simulations.htm", 30, 1002},
        {0, 1037, "manual.chm::/html/options.htm", 103, 1037},
        {0, 0, "manual.chm::/html/contents.htm", 0, 0},
        {9999, 0, "Parvell.chm::/html/introduction.htm", 0, 2000},  // first row with no id
        {0, 9999, "manual.chm::/html/contents.htm", 0, 0},          // last row
        {0, 2014, "Parvell.chm::/html/pdbfiles.htm", 0, 2014},
        {121, 0, "Parvell.chm::/html/contents.htm", 121, 1002},
        {0, 1002, "manual.chm::/html/simulations.htm", 30, 1002},  // first row with that key
        {192, 1058, "manual.chm::/html/toolbar.htm", 192, 1058},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + "/" + std::to_string(c.key));
        const HelpRow& row = FindHelpRow(c.id, c.key);
        EXPECT_STREQ(row.topic, c.topic);
        EXPECT_EQ(row.controlId, c.rowId);
        EXPECT_EQ(row.key, c.rowKey);
    }
}

TEST(HelpTopics, TableIsOrderedIdsThenWizardPagesThenContents) {
    const HelpRow* rows = HelpRows();
    int count = HelpRowCount();
    int firstZero = 0;
    while (rows[firstZero].controlId != 0) ++firstZero;
    EXPECT_EQ(firstZero, 121);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(rows[firstZero + i].controlId, 0);
        EXPECT_EQ(rows[firstZero + i].key, 2000 + i);
    }
    ASSERT_EQ(count, firstZero + 16);
    EXPECT_EQ(rows[count - 1].key, 0);
    std::set<int32_t> ids;
    for (int i = 0; i < firstZero; ++i) EXPECT_TRUE(ids.insert(rows[i].controlId).second);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].topic);
        // every path is "<file>::/html/<page>.htm" with no doubled part
        const char* marker = strstr(rows[i].topic, "::/html/");
        ASSERT_NE(marker, nullptr);
        EXPECT_EQ(strstr(marker + 1, "::"), nullptr);
        char file[32];
        ASSERT_TRUE(HelpFileOfTopic(rows[i].topic, file, sizeof file));
        EXPECT_TRUE(std::string(file) == "manual.chm" || std::string(file) == "Parvell.chm");
    }
}

TEST(HelpTopics, TopicPathsAreComposedInTheGivenFolderAndBounded) {
    char path[128];
    ASSERT_TRUE(HelpTopicPathIn("C:\\Program Files\\Brevane", 0, 2010, path, sizeof path));
    EXPECT_STREQ(path, "C:\\Program Files\\Brevane\\Parvell.chm::/html/password.htm");
    ASSERT_TRUE(HelpTopicPathIn("D:\\labs", 30, 0, path, sizeof path));
    EXPECT_STREQ(path, "D:\\labs\\manual.chm::/html/simulations.htm");
    char small[20];
    EXPECT_FALSE(HelpTopicPathIn("D:\\labs", 0, 2010, small, sizeof small));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(HelpTopicPathIn(nullptr, 0, 2010, path, sizeof path));
}

TEST(HelpTopics, HelpFileOfTopicIsBounded) {
    char small[5];
    EXPECT_FALSE(HelpFileOfTopic("manual.chm::/html/a.htm", small, sizeof small));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(HelpFileOfTopic("no-separator", small, sizeof small));
    char file[16];
    EXPECT_TRUE(HelpFileOfTopic("a.chm::/html/b.htm", file, sizeof file));
    EXPECT_STREQ(file, "a.chm");
}

#ifndef _WIN32
// Every manual page and anchor the table names exists in the help sources.
TEST(HelpTopics, EveryManualTopicHasItsPageAndAnchor) {
    namespace fs = std::filesystem;
    fs::path html = fs::path(__FILE__).parent_path() / "../../resources/help/manual/html";
    ASSERT_TRUE(fs::is_directory(html)) << html;
    for (int i = 0; i < HelpRowCount(); ++i) {
        std::string topic = HelpRows()[i].topic;
        if (topic.rfind("manual.chm::/html/", 0) != 0) continue;
        std::string page = topic.substr(strlen("manual.chm::/html/"));
        std::string anchor;
        if (size_t hash = page.find('#'); hash != std::string::npos) {
            anchor = page.substr(hash + 1);
            page = page.substr(0, hash);
        }
        SCOPED_TRACE(topic);
        std::ifstream in(html / page);
        ASSERT_TRUE(in.good());
        std::stringstream text;
        text << in.rdbuf();
        if (!anchor.empty()) EXPECT_NE(text.str().find("id=\"" + anchor + "\""), std::string::npos);
    }
}

// Every wizard topic (and the contents the authoring commands open) has its
// page in the wizard's help sources, and the project lists every page.
TEST(HelpTopics, EveryWizardTopicHasItsPage) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(__FILE__).parent_path() / "../../resources/help/parvell";
    std::ifstream project(folder / "Parvell.hhp");
    ASSERT_TRUE(project.good()) << folder;
    std::stringstream listed;
    listed << project.rdbuf();
    int topics = 0;
    for (int i = 0; i < HelpRowCount(); ++i) {
        const std::string topic = HelpRows()[i].topic;
        if (topic.rfind("Parvell.chm::/html/", 0) != 0) continue;
        ++topics;
        const std::string page = topic.substr(strlen("Parvell.chm::/"));
        SCOPED_TRACE(topic);
        EXPECT_TRUE(fs::is_regular_file(folder / page));
        EXPECT_NE(listed.str().find(page + "\n"), std::string::npos);
    }
    EXPECT_EQ(topics, 17);  // 15 keys and the two authoring commands
}
#endif

}  // namespace
