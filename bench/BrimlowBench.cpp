// Start-up and loading figures.
//   brimlow_bench <Brimlow.exe> <sample FSX.cfg>
// 1. Launch to the first shown main window with its tree filled, phase by phase as the program marks
//    them, beside Wine's notepad.exe opening the same file to its first shown text; and for both, launch
//    until everything is painted and the program waits for input.
// 2. Both launched on large files: until all of it is shown, and Brimlow's close until its process ends.
// 3. LoadConfigFile alone, into an empty tree and over its own, on the sample, on generated files of
//    about 100 KB and 1 MB and on one of 20,000 sections, beside the system's own listing of them.
// 4. One verified edit on the sample: a value set, a key added and removed.
// 5. Building the About window, whose outline is made from its picture.
#include "about/TAboutForm.h"
#include "mainwindow/TForm1.h"
#include "platform/StringList.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeAged(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    // The system re-reads a profile file whose write time is younger than a few seconds; age it so
    // the figures show its cache at work, as for a user's file.
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    ULARGE_INTEGER v{{t.dwLowDateTime, t.dwHighDateTime}};
    v.QuadPart -= 600ULL * 10000000ULL;
    FILETIME old{v.LowPart, v.HighPart};
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
}

// Sections of `keys` keys each, until the file holds targetBytes or `sections` sections.
struct Generated {
    std::string text;
    LRESULT nodes = 0;
};

Generated generated(size_t targetBytes, int keys = 10, int sections = 1 << 30) {
    Generated file;
    for (int s = 0; file.text.size() < targetBytes && s < sections; ++s) {
        file.text += "[SECTION_" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < keys; ++k) {
            file.text += "KEY_NUMBER_" + std::to_string(k) + "=" + std::to_string(s * k) + ".000000\r\n";
        }
        file.nodes += 1 + keys;
    }
    return file;
}

struct Found {
    HWND window = nullptr;
    const char* childClass;
    HWND child = nullptr;
};

BOOL CALLBACK findChild(HWND hwnd, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, found->childClass) == 0) {
        found->child = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findWindow(HWND hwnd, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    if (!IsWindowVisible(hwnd)) return TRUE;
    EnumChildWindows(hwnd, findChild, param);
    if (found->child) {
        found->window = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct Launch {
    double ready = -1;   // from CreateProcess until ready() held for a visible window of the process
    double closed = -1;  // from the close request until the process ended
    double idle = -1;    // from CreateProcess until the process first waited for input, everything painted
};

// One launch; start is the moment of CreateProcess. The window is asked to close once it is ready.
Launch launch(const std::string& commandLine, const char* childClass, const std::function<bool(HWND)>& ready,
              double& start, const std::function<void()>& beforeClose = [] {}) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    Launch result;
    start = now();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return result;
    // The window and its child are looked up until found, then only asked: each look-up asks the
    // server about every child window, which would slow the program with the most children.
    Found found{nullptr, childClass, nullptr};
    while (now() - start < 60000) {
        if (!found.window) EnumThreadWindows(pi.dwThreadId, findWindow, reinterpret_cast<LPARAM>(&found));
        if (found.window && ready(found.child)) {
            result.ready = now() - start;
            if (WaitForInputIdle(pi.hProcess, 60000) == 0) result.idle = now() - start;
            beforeClose();
            double closing = now();
            PostMessageA(found.window, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0) result.closed = now() - closing;
            break;
        }
        Sleep(1);
    }
    if (WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return result;
}

bool treeHolds(HWND tree, LRESULT nodes) { return SendMessageA(tree, TVM_GETCOUNT, 0, 0) >= nodes; }

bool editShows(HWND edit) { return SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) > 0; }

// The program's start-up marks (see platform/StartupProfile.h) as milliseconds since start, in order.
std::vector<std::pair<std::string, double>> readMarks(const std::string& path, double start) {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    std::vector<std::pair<std::string, double>> marks;
    std::ifstream in(path);
    std::string phase;
    long long count;
    while (std::getline(in, phase, '\t') && in >> count) {
        marks.emplace_back(phase, static_cast<double>(count) / perMs - start);
        in.ignore(1);
    }
    return marks;
}

void benchLaunch(const std::string& exe, const std::string& simConfigPath, const std::string& marksPath) {
    const int runs = 11;
    std::vector<double> brimlow, notepad, brimlowIdle, notepadIdle;
    std::vector<std::string> phases;
    std::vector<std::vector<double>> at, took;
    SetEnvironmentVariableA("BRIMLOW_STARTUP_PROFILE", marksPath.c_str());
    for (int run = 0; run < runs; ++run) {
        double start;
        DeleteFileA(marksPath.c_str());
        auto marksWritten = [&] {
            for (int wait = 0; wait < 5000 && GetFileAttributesA(marksPath.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait)
                Sleep(1);
        };
        Launch ours = launch("\"" + exe + "\"", WC_TREEVIEWA, [](HWND tree) { return treeHolds(tree, 1); }, start,
                             marksWritten);
        brimlow.push_back(ours.ready);
        brimlowIdle.push_back(ours.idle);
        auto marks = readMarks(marksPath, start);
        at.resize(marks.size());
        took.resize(marks.size());
        phases.resize(marks.size());
        for (size_t i = 0; i < marks.size(); ++i) {
            phases[i] = marks[i].first;
            at[i].push_back(marks[i].second);
            took[i].push_back(marks[i].second - (i ? marks[i - 1].second : 0.0));
        }
        Launch theirs = launch("notepad.exe \"" + simConfigPath + "\"", "Edit", editShows, start);
        notepad.push_back(theirs.ready);
        notepadIdle.push_back(theirs.idle);
    }
    SetEnvironmentVariableA("BRIMLOW_STARTUP_PROFILE", nullptr);
    DeleteFileA(marksPath.c_str());
    std::printf("Start-up, phase by phase (median of %d runs, ms)    phase   since launch\n", runs);
    for (size_t i = 0; i < phases.size(); ++i) {
        std::printf("  %-40s %14.1f %14.1f\n", (i ? phases[i] : "process start to " + phases[i]).c_str(),
                    median(took[i]), median(at[i]));
    }
    std::printf("Launch, median of %d alternating runs (ms)   Brimlow.exe   notepad.exe   ratio\n", runs);
    std::printf("  to the shown window with its content      %11.1f %13.1f %7.2f\n", median(brimlow), median(notepad),
                median(brimlow) / median(notepad));
    std::printf("  to all of it painted, waiting for input   %11.1f %13.1f %7.2f\n", median(brimlowIdle),
                median(notepadIdle), median(brimlowIdle) / median(notepadIdle));
    std::fflush(stdout);
}

// Both programs started on a large file (the simulator's, replaced for the while): until the whole tree,
// or the whole text, is shown, and Brimlow's close until its process has ended.
void benchLargeLaunch(const std::string& exe, const std::string& simConfigPath, const std::string& label,
                      const Generated& file) {
    const int runs = 3;
    writeAged(simConfigPath, file.text);
    DeleteFileA((simConfigPath + ".org").c_str());
    std::vector<double> brimlow, closing, notepad;
    for (int run = 0; run < runs; ++run) {
        double start;
        Launch ours = launch("\"" + exe + "\"", WC_TREEVIEWA, [&](HWND tree) { return treeHolds(tree, file.nodes); }, start);
        brimlow.push_back(ours.ready);
        closing.push_back(ours.closed);
        notepad.push_back(launch("notepad.exe \"" + simConfigPath + "\"", "Edit", editShows, start).ready);
    }
    std::printf("  %-34s %8.1f ms   notepad.exe %8.1f ms   ratio %5.2f   closing %8.1f ms\n", label.c_str(),
                median(brimlow), median(notepad), median(brimlow) / median(notepad), median(closing));
}

struct Load {
    double fresh, again;
};

// Into a tree emptied beforehand (as at start), and over the tree of the same file (Reload); beside the
// system's own listing, which reads the file again for every section.
Load benchLoad(TForm1& form, const std::string& label, const std::string& path, const std::string& emptyPath) {
    form.LoadConfigFile(path);  // first load: the system parses the file
    std::vector<double> fresh, again, listing;
    for (int run = 0; run < 5; ++run) {
        form.LoadConfigFile(emptyPath);
        double start = now();
        form.LoadConfigFile(path);
        fresh.push_back(now() - start);
        start = now();
        form.LoadConfigFile(path);
        again.push_back(now() - start);
        start = now();
        TIniFile ini(path);
        platform::VectorStringList sections, keys;
        ini.listSections(sections);
        for (const std::string& section : sections.items) ini.listKeys(section, keys);
        listing.push_back(now() - start);
    }
    Found tree{nullptr, WC_TREEVIEWA, nullptr};
    EnumChildWindows(form.handle(), findChild, reinterpret_cast<LPARAM>(&tree));
    std::printf("  %-28s %8.1f ms %8.1f ms   (system listing alone %8.1f ms; %d nodes)\n", label.c_str(),
                median(fresh), median(again), median(listing),
                static_cast<int>(SendMessageA(tree.child, TVM_GETCOUNT, 0, 0)));
    return {median(fresh), median(again)};
}

void benchEdits(const std::string& path) {
    TIniFile ini(path);
    std::vector<double> set, addRemove;
    for (int run = 0; run < 5; ++run) {
        double start = now();
        ini.writeValue("SOUND", "SOUND", std::to_string(run % 2));
        set.push_back(now() - start);
        start = now();
        ini.writeValue("SOUND", "BENCH_KEY", "1");
        ini.removeKey("SOUND", "BENCH_KEY");
        addRemove.push_back(now() - start);
    }
    std::printf("Edits on the sample, each verified (median of 5):\n");
    std::printf("  set a value                  %8.1f ms\n", median(set));
    std::printf("  add and remove a key         %8.1f ms\n", median(addRemove));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: brimlow_bench <Brimlow.exe> <FSX.cfg>\n");
        return 2;
    }
    char appData[MAX_PATH];
    GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
    std::string folder = std::string(appData) + "\\Microsoft\\FSx";
    CreateDirectoryA((std::string(appData) + "\\Microsoft").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string sample = readAll(argv[2]);
    std::string simConfigPath = folder + "\\FSX.cfg";
    writeAged(simConfigPath, sample);
    DeleteFileA((simConfigPath + ".org").c_str());  // the original is the sample

    benchLaunch(argv[1], simConfigPath, folder + "\\bench-marks.txt");

    const Generated mid = generated(100 * 1024), big = generated(1024 * 1024),
                    manySections = generated(~size_t(0), 2, 20000), wide = generated(~size_t(0), 20, 2000);
    std::printf("Launch on a large file to its whole tree shown (median of 3 runs):\n");
    benchLargeLaunch(argv[1], simConfigPath, "2,000 sections of 20 keys (" + std::to_string(wide.text.size() / 1024) + " KB)",
                     wide);
    benchLargeLaunch(argv[1], simConfigPath, "20,000 sections of 2 keys (" + std::to_string(manySections.text.size() / 1024) + " KB)",
                     manySections);
    writeAged(simConfigPath, sample);
    DeleteFileA((simConfigPath + ".org").c_str());

    const std::string midPath = folder + "\\bench-100kb.cfg", bigPath = folder + "\\bench-1mb.cfg",
                      manyPath = folder + "\\bench-20000.cfg";
    writeAged(midPath, mid.text);
    writeAged(bigPath, big.text);
    writeAged(manyPath, manySections.text);
    TForm1 form;
    std::printf("LoadConfigFile alone (median of 5 warm runs): into an empty tree, and again over its own\n");
    const std::string emptyPath = folder + "\\bench-empty.cfg";
    writeAged(emptyPath, "");
    benchLoad(form, "sample (" + std::to_string(sample.size()) + " bytes)", simConfigPath, emptyPath);
    Load small = benchLoad(form, "generated 100 KB", midPath, emptyPath);
    Load large = benchLoad(form, "generated 1 MB", bigPath, emptyPath);
    benchLoad(form, "20,000 sections of 2 keys", manyPath, emptyPath);
    std::printf("  ten times the file costs %.1f times the time (%.1f over its own tree)\n", large.fresh / small.fresh,
                large.again / small.again);
    benchEdits(simConfigPath);
    std::vector<double> about;
    for (int run = 0; run < 5; ++run) {
        double start = now();
        TAboutForm form;
        about.push_back(now() - start);
    }
    std::printf("About window built, outline included (median of 5)  %8.1f ms\n", median(about));
    for (const std::string& path : {midPath, bigPath, manyPath, emptyPath}) DeleteFileA(path.c_str());
    return 0;
}
