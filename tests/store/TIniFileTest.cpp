// The accessor against real files: the system's profile functions do the work, nothing is cut.
#include "platform/Error.h"
#include "platform/Paths.h"
#include "store/ProfileFormat.h"
#include "store/TIniFile.h"
#include "support/TestFiles.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const char* const Sample =
    "[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\n\r\n"
    "[DISPLAY]\r\nTEXTURE_BANDWIDTH_MULT=40\r\n\r\n"
    "[Empty]\r\n\r\n"
    "[Sound]\r\nSOUND=1\r\nAMBIENT_UI=0\r\nPANEL=1\r\n";

// Wine's profile writer drops blank lines where Windows keeps them; compare what both keep.
std::string withoutBlankLines(std::string text) {
    for (size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;) text.erase(at, 2);
    return text;
}

class TIniFileTest : public ::testing::Test {
protected:
    void SetUp() override { writeFile(path, Sample); }
    std::vector<std::string> sections() {
        platform::VectorStringList list;
        ini.listSections(list);
        return list.items;
    }
    std::vector<std::string> keys(const std::string& section) {
        platform::VectorStringList list;
        ini.listKeys(section, list);
        return list.items;
    }

    ScratchFolder folder;
    std::string path = folder / "FSX.cfg";
    TIniFile ini{path};
};

TEST_F(TIniFileTest, ListsSectionsAndKeysInFileOrder) {
    EXPECT_THAT(sections(), ElementsAre("Main", "DISPLAY", "Empty", "Sound"));
    EXPECT_THAT(keys("Sound"), ElementsAre("SOUND", "AMBIENT_UI", "PANEL"));
    EXPECT_THAT(keys("sound"), ElementsAre("SOUND", "AMBIENT_UI", "PANEL")) << "names match without regard to case";
    EXPECT_TRUE(keys("Empty").empty());
    EXPECT_TRUE(keys("Missing").empty());
}

TEST_F(TIniFileTest, ListsAreEmptiedBeforeTheyAreFilled) {
    platform::VectorStringList list;
    list.items = {"left over"};
    ini.listKeys("Main", list);
    EXPECT_THAT(list.items, ElementsAre("User Objects", "Maximized"));
    ini.listKeys("Missing", list);
    EXPECT_TRUE(list.items.empty());
}

TEST_F(TIniFileTest, ReadsValuesOrTheDefault) {
    EXPECT_EQ(ini.readValue("Main", "User Objects", ""), "Airplane");
    EXPECT_EQ(ini.readValue("DISPLAY", "texture_bandwidth_mult", ""), "40");
    EXPECT_EQ(ini.readValue("Main", "Absent", "fallback"), "fallback");
    EXPECT_EQ(ini.readValue("Absent", "Absent", ""), "");
}

TEST(TIniFileMissing, AMissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    ScratchFolder folder;
    TIniFile ini(folder / "new.cfg");
    platform::VectorStringList list;
    ini.listSections(list);
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(ini.readValue("A", "B", "d"), "d");
    ini.writeValue("A", "B", "");
    EXPECT_EQ(readFile(folder / "new.cfg"), "[A]\r\nB=\r\n") << "an empty value is written, not removed";
}

TEST(TIniFileLong, AValueLongerThan1023CharactersIsReadWhole) {
    ScratchFolder folder;
    std::string value(5000, 'v');
    value[4999] = 'z';
    writeFile(folder / "long.cfg", "[S]\r\nK=" + value + "\r\n");
    EXPECT_EQ(TIniFile(folder / "long.cfg").readValue("S", "K", ""), value);
}

TEST(TIniFileLong, ListsLongerThan8192BytesAreReadWhole) {
    ScratchFolder folder;
    std::string text;
    for (int s = 0; s < 700; ++s) text += "[Section_number_" + std::to_string(s) + "]\r\nKey=1\r\n";
    text += "[Big]\r\n";
    for (int k = 0; k < 700; ++k) text += "Key_number_" + std::to_string(k) + "=" + std::to_string(k) + "\r\n";
    writeFile(folder / "big.cfg", text);
    TIniFile ini(folder / "big.cfg");
    platform::VectorStringList list;
    ini.listSections(list);
    ASSERT_EQ(list.items.size(), 701u);
    EXPECT_EQ(list.items[699], "Section_number_699");
    EXPECT_EQ(list.items[700], "Big");
    ini.listKeys("Big", list);
    ASSERT_EQ(list.items.size(), 700u);
    EXPECT_EQ(list.items[699], "Key_number_699");
}

TEST_F(TIniFileTest, WritesInPlaceAndRemovesKeysAndSections) {
    ini.writeValue("Sound", "AMBIENT_UI", "1");
    ini.writeValue("Main", "New", "x y");
    ini.removeKey("Sound", "PANEL");
    ini.removeSection("DISPLAY");
    ini.removeKey("Sound", "NotThere");
    EXPECT_EQ(withoutBlankLines(readFile(path)),
              "[Main]\r\nUser Objects=Airplane\r\nMaximized=0\r\nNew=x y\r\n"
              "[Empty]\r\n"
              "[Sound]\r\nSOUND=1\r\nAMBIENT_UI=1\r\n");
}

TEST(TIniFileComments, AWriteKeepsCommentsAndTheOrderOfEverythingElse) {
    ScratchFolder folder;
    writeFile(folder / "c.cfg", "; made by hand\r\n[A]\r\n; the next key matters\r\nk=1\r\nz=2\r\n[B]\r\nq=3\r\n");
    TIniFile(folder / "c.cfg").writeValue("A", "k", "5");
    EXPECT_EQ(withoutBlankLines(readFile(folder / "c.cfg")),
              "; made by hand\r\n[A]\r\n; the next key matters\r\nk=5\r\nz=2\r\n[B]\r\nq=3\r\n");
}

// The path in UTF-16, the file's text in the ANSI code page both ways, even bytes it leaves undefined.
TEST(TIniFileAnsi, TheFilesBytesStayItsOwnInAFolderOfAnyName) {
    ScratchFolder users;
    std::string path = users / "\xC5\x81ukasz.cfg";
    writeFile(path, "; r\xE9glages \xA9\r\n[Caf\xE9]\r\nNom=Z\xFCrich \x80\x81\x8D\r\nk=1\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.readValue("Caf\xE9", "Nom", ""), "Z\xFCrich \x80\x81\x8D");
    ini.writeValue("Caf\xE9", "k", "2");
    EXPECT_EQ(withoutBlankLines(readFile(path)), "; r\xE9glages \xA9\r\n[Caf\xE9]\r\nNom=Z\xFCrich \x80\x81\x8D\r\nk=2\r\n");
    ini.writeValue("Caf\xE9", "Nom", "\xE9t\xE9");
    EXPECT_THAT(readFile(path), HasSubstr("\r\nNom=\xE9t\xE9\r\n"));
}

TEST_F(TIniFileTest, RemovingTheLastKeyKeepsTheSection) {
    ini.removeKey("DISPLAY", "TEXTURE_BANDWIDTH_MULT");
    EXPECT_THAT(sections(), ElementsAre("Main", "DISPLAY", "Empty", "Sound"));
}

TEST(TIniFileFailure, AFailedWriteRaisesTheMessageWithThePathAndTheSystemsReason) {
    ScratchFolder folder;
    std::string path = folder / "no such folder\\FSX.cfg";
    TIniFile ini(path);
    try {
        ini.writeValue("A", "B", "C");
        FAIL() << "no error raised";
    } catch (const platform::Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path + ".\n\n" + platform::systemMessage(ERROR_PATH_NOT_FOUND));
    }
    EXPECT_THROW(ini.removeSection("A"), platform::Error);
    EXPECT_THROW(ini.removeKey("A", "B"), platform::Error);
}

// Another program reads the file and lets nobody write it meanwhile: the refusal gives the system's reason.
TEST_F(TIniFileTest, AChangeTheFileRefusesRaisesWithTheSystemsReasonAndChangesNothing) {
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    try {
        ini.writeValue("Sound", "PANEL", "0");
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path + ".\n\n" + platform::systemMessage(ERROR_SHARING_VIOLATION));
    }
    EXPECT_THROW(ini.removeKey("Sound", "PANEL"), platform::Error);
    EXPECT_THROW(ini.removeSection("Sound"), platform::Error);
    CloseHandle(lock);
    EXPECT_EQ(readFile(path), Sample);
}

TEST(TIniFileDuplicates, ARemovalTakesOneOfANameTheFileHoldsTwice) {
    ScratchFolder folder;
    writeFile(folder / "d.cfg", "[A]\r\nk=1\r\nk=2\r\n[B]\r\nq=1\r\n[B]\r\nr=2\r\n");
    TIniFile ini(folder / "d.cfg");
    EXPECT_NO_THROW(ini.removeKey("A", "K"));
    EXPECT_NO_THROW(ini.removeSection("B"));
    platform::VectorStringList keys;
    ini.listKeys("A", keys);
    EXPECT_THAT(keys.items, ElementsAre("k"));
}

TEST_F(TIniFileTest, LineBreaksAreRefusedAndNothingIsWritten) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        const char* named;
    } cases[] = {
        {"Main", "Maximized", "1\r\n[Injected]", "the value"},
        {"Main", "Bad\nKey", "1", "the key name"},
        {"New\rSection", "K", "1", "the section name"},
    };
    for (const Case& c : cases) {
        try {
            ini.writeValue(c.section, c.key, c.value);
            ADD_FAILURE() << "no error for " << c.named;
        } catch (const platform::Error& error) {
            EXPECT_THAT(error.what(), HasSubstr(c.named));
            EXPECT_THAT(error.what(), HasSubstr("line break"));
        }
    }
    EXPECT_THROW(ini.removeSection("Main\n"), platform::Error);
    EXPECT_THROW(ini.removeKey("Main", "Maximized\n"), platform::Error);
    EXPECT_EQ(readFile(path), Sample);
}

TEST_F(TIniFileTest, TextsLongerThanTheSystemStoresAreRefusedBeforeAnythingIsWritten) {
    std::string tooLong(profile::MaxTextLength + 1, 'v');
    for (auto write : std::initializer_list<std::function<void()>>{
             [&] { ini.writeValue("Main", "Maximized", tooLong); },
             [&] { ini.writeValue("Main", tooLong, "1"); },
             [&] { ini.writeValue(tooLong, "K", "1"); },
             [&] { ini.removeKey("Main", tooLong); },
         }) {
        try {
            write();
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& error) {
            EXPECT_THAT(error.what(), HasSubstr("may not be longer than 32,766 characters"));
        }
    }
    EXPECT_EQ(readFile(path), Sample);

    std::string longest(profile::MaxTextLength, 'v');
    ini.writeValue("Main", "Maximized", longest);
    EXPECT_EQ(ini.readValue("Main", "Maximized", ""), longest);
}

TEST_F(TIniFileTest, AWriteVerifiesAgainstWhatTheReaderGivesBack) {
    struct Case {
        const char* written;
        const char* read;
    } cases[] = {{"  spaced  ", "spaced"}, {"\"quoted\"", "quoted"}, {" 'single' ", "single"},
                 {"\"", "\""},            {"a\"", "a\""},          {"\t", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(profile::asRead(c.written), c.read) << c.written;
        EXPECT_NO_THROW(ini.writeValue("Main", "Maximized", c.written)) << c.written;
        EXPECT_EQ(ini.readValue("Main", "Maximized", "?"), c.read) << c.written;
    }
}

TEST_F(TIniFileTest, EmptyNamesAreRefusedAndTheLinesBeforeTheFirstSectionKept) {
    writeFile(path, std::string("; notes\r\n") + Sample);
    for (auto write : std::initializer_list<std::function<void()>>{
             [&] { ini.writeValue("", "k", "v"); },
             [&] { ini.writeValue("Main", "", "v"); },
             [&] { ini.removeSection(""); },
             [&] { ini.removeKey("", ""); },
         }) {
        try {
            write();
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& error) {
            EXPECT_THAT(error.what(), HasSubstr("may not be empty"));
        }
    }
    EXPECT_EQ(readFile(path), std::string("; notes\r\n") + Sample);
}

// The whole file read at once gives the sections the system lists, in its order, each with the names
// and values that a section read in one call gives, which are the names the system lists.
void expectListedAsTheSystemLists(const TIniFile& ini, const std::string& text) {
    platform::VectorStringList sections;
    ini.listSections(sections);
    std::vector<ListedSection> atOnce = ini.readAll();
    ASSERT_EQ(atOnce.size(), sections.items.size()) << text;
    for (size_t i = 0; i < atOnce.size(); ++i) {
        const std::string& section = sections.items[i];
        platform::VectorStringList listed;
        ini.listKeys(section, listed);
        std::vector<std::string> read;
        for (const auto& entry : ini.readSection(section)) read.push_back(entry.first);
        EXPECT_EQ(read, listed.items) << section;
        EXPECT_EQ(atOnce[i].name, section) << text;
        EXPECT_EQ(atOnce[i].keys, ini.readSection(section)) << section << " in " << text;
    }
}

// Whatever the file holds and however it is laid out: a section read in one call, and the whole file
// read at once, give the names and values the system's reader lists, in its order; and the system's
// rewrite of the file for a change is no failure.
TEST(TIniFileLayouts, ReadingAtOnceListsWhatTheSystemListsAndChangesMakeNoFalseFailure) {
    ScratchFolder folder;
    std::string binary, utf16 = "\xff\xfe", utf16be = "\xfe\xff";
    for (int byte = 1; byte < 256; ++byte) binary += static_cast<char>(byte == 10 ? 9 : byte);
    for (char c : std::string("[A]\r\nk=1\r\n[B]\r\nq=2\r\n")) {
        utf16 += std::string(1, c) + '\0';
        utf16be += std::string(1, '\0') + c;
    }
    const std::string files[] = {
        fixture("FSX.cfg"),
        "notes before any section\n; a comment=with equals\n[A]\n  k  =  1  \njust a line without equals\n\n\n"
        "[B]  trailing\nq=2",
        "[A]\r\nk=\"quoted\"\r\nk=twice\r\n[a]\r\nk=again\r\n[B]\r\nbefore=1\r\n=no name\r\nafter=\x1a\r\n",
        "[A]\r\n" + binary + "\r\nk=1\r\n" + binary.substr(100) + "=x\r\n[B]\r\nq=2\r\n",
        utf16,
        utf16be,
        "[]\r\nk0=under a nameless header first\r\n[A]\r\nk=1\r\n[ B ]\r\nq=2\r\n[A]\r\nk=again\r\n",
        "[A]\rk=1\r\r[B]\rq=2\r",
        "\xEF\xBB\xBF[A]\r\nk=\xC3\xA9t\xC3\xA9\r\n[B]\r\nq=2\r\n",
    };
    // Files whose rewrite by the system changes other lines, which a write refuses: read only.
    const std::string readOnly[] = {
        "k0=before any section\r\n[A]\r\nk=1\r\n[]\r\nx=1\r\n[ B ]\r\nq=2\r\n[A]\r\nk=again\r\n",
        std::string("[A]\r\nk=v") + '\0' + "cut\r\nn" + '\0' + "ame=1\r\n[B" + '\0' + "x]\r\nq=2\r\n[" + '\0' + "]\r\nz=1\r\n",
        "[A]b]c\r\n[open\r\nk=1\r\n=\r\n=\r\n[C]\r\n;k=1\r\n'q'=' x '\r\nn=\"\r\n[\xC4]\r\nu=1\r\n[\xE4]\r\nu=2\r\n",
    };
    for (const std::string& text : files) {
        writeFile(folder / "f.cfg", text);
        TIniFile ini(folder / "f.cfg");
        expectListedAsTheSystemLists(ini, text);
        EXPECT_NO_THROW(ini.writeValue("A", "k", "5")) << text;
        EXPECT_NO_THROW(ini.writeValue("New", "n", "7")) << text;
        EXPECT_NO_THROW(ini.removeKey("A", "k")) << text;
        EXPECT_NO_THROW(ini.removeSection("B")) << text;
        EXPECT_EQ(ini.readValue("New", "n", ""), "7");
    }
    for (const std::string& text : readOnly) {
        writeFile(folder / "f.cfg", text);
        expectListedAsTheSystemLists(TIniFile(folder / "f.cfg"), text);
    }
    // The writer leaves out the header "[]", which would move the lines after it into the section before.
    const std::string nameless = "[A]\r\nk=1\r\n[]\r\nx=1\r\n[B]\r\nb=1\r\n";
    writeFile(folder / "f.cfg", nameless);
    try {
        TIniFile(folder / "f.cfg").writeValue("B", "b", "2");
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_THAT(error.what(), HasSubstr("The line \"x=1\" would have moved from the section without a name to [A]"));
    }
    EXPECT_EQ(readFile(folder / "f.cfg"), nameless);
}

// A value the reader gives back otherwise than written (Wine's reader trims a trailing Ctrl+Z) is not
// in the file as asked; a rewrite that would lose a line (cut at a NUL byte) names it. Either is
// reported and the file put back.
TEST_F(TIniFileTest, AWriteTheReaderDoesNotGiveBackOrThatLosesALineIsReportedAndTakenBack) {
    EXPECT_THROW(ini.writeValue("Main", "Maximized", "1\x1a"), platform::Error);
    EXPECT_EQ(readFile(path), Sample);
    const std::string binary = std::string("[A]\r\nk=1\r\nbin") + '\0' + "ary=1\r\n" + Sample;
    writeFile(path, binary);
    try {
        ini.writeValue("Main", "Maximized", "3");
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_THAT(error.what(), HasSubstr("The line \"bin?ary=1\" would have been lost or changed"));
    }
    EXPECT_EQ(readFile(path), binary);
}

TEST(TIniFileNoPath, WithoutAFileReadsAreEmptyAndWritesAreRefused) {
    TIniFile ini("");
    platform::VectorStringList list;
    ini.listSections(list);
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(ini.readValue("windows", "load", "none"), "none") << "never the system's own profile";
    EXPECT_THROW(ini.writeValue("A", "B", "C"), platform::Error);
}

}  // namespace
