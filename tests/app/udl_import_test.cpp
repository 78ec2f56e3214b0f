#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/modules/udl_import.h"

namespace {

struct Script {
    bool confirmCopy = true;
    bool confirmOverwrite = true;
    bool exists = false;
    bool failCopy = false;
    std::vector<std::string> events;
};

UdlImportSeam SeamFor(Script& s) {
    UdlImportSeam seam;
    seam.context = &s;
    seam.ConfirmCopy = [](void* c) {
        auto* s = static_cast<Script*>(c);
        s->events.push_back("ask copy");
        return s->confirmCopy;
    };
    seam.ConfirmOverwrite = [](void* c) {
        auto* s = static_cast<Script*>(c);
        s->events.push_back("ask overwrite");
        return s->confirmOverwrite;
    };
    seam.Copy = [](void* c, const char* from, const char* to, bool overwrite, unsigned long* error) {
        auto* s = static_cast<Script*>(c);
        s->events.push_back(std::string(overwrite ? "overwrite " : "copy ") + from + " -> " + to);
        if (s->failCopy) {
            *error = 5;
            return CopyResult::Failed;
        }
        if (s->exists && !overwrite) return CopyResult::DestinationExists;
        return CopyResult::Copied;
    };
    seam.ShowCopyError = [](void* c, unsigned long error) {
        static_cast<Script*>(c)->events.push_back("error " + std::to_string(error));
    };
    return seam;
}

TEST(UdlImport, Decisions) {
    struct Case {
        const char* name;
        const char* source;
        Script script;
        int result;
        std::vector<std::string> events;
        const char* outName;
    };
    const Case cases[] = {
        {"already there", "C:\\work\\lab.UDL", {}, 1, {}, "lab.UDL"},
        {"lower-case extension", "D:\\in\\lab.udl", {}, 1,
         {"ask copy", "copy D:\\in\\lab.udl -> C:\\work\\lab.udl"}, "lab.udl"},
        {"long extension", "D:\\in\\x.udl-brevane", {}, 1,
         {"ask copy", "copy D:\\in\\x.udl-brevane -> C:\\work\\x.udl-brevane"}, "x.udl-brevane"},
        {"wrong extension", "D:\\in\\lab.txt", {}, 0, {}, ""},
        {"no extension", "D:\\in\\udl", {}, 0, {}, ""},
        {"cancelled", "D:\\in\\lab.udl", {.confirmCopy = false}, 0, {"ask copy"}, ""},
        {"exists, overwrite", "D:\\in\\lab.udl", {.exists = true}, 1,
         {"ask copy", "copy D:\\in\\lab.udl -> C:\\work\\lab.udl", "ask overwrite",
          "overwrite D:\\in\\lab.udl -> C:\\work\\lab.udl"},
         "lab.udl"},
        {"exists, keep", "D:\\in\\lab.udl", {.confirmOverwrite = false, .exists = true}, 0,
         {"ask copy", "copy D:\\in\\lab.udl -> C:\\work\\lab.udl", "ask overwrite"}, ""},
        {"copy fails", "D:\\in\\lab.udl", {.failCopy = true}, 0,
         {"ask copy", "copy D:\\in\\lab.udl -> C:\\work\\lab.udl", "error 5"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Script script = c.script;
        char outName[260] = "junk";
        EXPECT_EQ(ImportUdlFileWith(SeamFor(script), c.source, "C:\\work", outName), c.result);
        EXPECT_EQ(script.events, c.events);
        EXPECT_STREQ(outName, c.outName);
    }
}

TEST(UdlImport, DestinationThatDoesNotFitFailsWithoutAPrompt) {
    Script script;
    std::string folder(255, 'f');
    char outName[260];
    EXPECT_EQ(ImportUdlFileWith(SeamFor(script), "D:\\lab.udl", folder.c_str(), outName), 0);
    EXPECT_TRUE(script.events.empty());
}

}  // namespace
