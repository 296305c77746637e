// Start-up and loading figures.
//   brimlow_bench <Brimlow.exe> <sample FSX.cfg>
// 1. Launch to the first shown main window with its tree filled, phase by phase as the program marks
//    them, beside Wine's notepad.exe opening the same file to its first shown text.
// 2. LoadConfigFile alone on the sample and on generated files of about 100 KB and 1 MB, with the
//    share of it that the system's profile listing takes.
// 3. One verified edit on the sample: a value set, a key added and removed.
// 4. Building the About window, whose outline is made from its picture.
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

std::string generated(size_t targetBytes) {
    std::string text;
    for (int s = 0; text.size() < targetBytes; ++s) {
        text += "[SECTION_" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 10; ++k) text += "KEY_NUMBER_" + std::to_string(k) + "=" + std::to_string(s * k) + ".000000\r\n";
    }
    return text;
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

// Milliseconds from CreateProcess until ready() holds for a visible window of the process; start is
// the moment of CreateProcess.
double launch(const std::string& commandLine, const char* childClass, const std::function<bool(HWND)>& ready,
              double& start, const std::function<void()>& beforeClose = [] {}) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    start = now();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double elapsed = -1;
    while (now() - start < 30000) {
        Found found{nullptr, childClass, nullptr};
        EnumThreadWindows(pi.dwThreadId, findWindow, reinterpret_cast<LPARAM>(&found));
        if (found.window && ready(found.child)) {
            elapsed = now() - start;
            beforeClose();
            PostMessageA(found.window, WM_CLOSE, 0, 0);
            break;
        }
        Sleep(1);
    }
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return elapsed;
}

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
    const int runs = 7;
    std::vector<double> brimlow, notepad;
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
        brimlow.push_back(launch("\"" + exe + "\"", WC_TREEVIEWA,
                                 [](HWND tree) { return SendMessageA(tree, TVM_GETCOUNT, 0, 0) > 0; }, start,
                                 marksWritten));
        auto marks = readMarks(marksPath, start);
        at.resize(marks.size());
        took.resize(marks.size());
        phases.resize(marks.size());
        for (size_t i = 0; i < marks.size(); ++i) {
            phases[i] = marks[i].first;
            at[i].push_back(marks[i].second);
            took[i].push_back(marks[i].second - (i ? marks[i - 1].second : 0.0));
        }
        notepad.push_back(launch("notepad.exe \"" + simConfigPath + "\"", "Edit",
                                 [](HWND edit) { return SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) > 0; }, start));
    }
    SetEnvironmentVariableA("BRIMLOW_STARTUP_PROFILE", nullptr);
    DeleteFileA(marksPath.c_str());
    std::printf("Start-up, phase by phase (median of %d runs, ms)    phase   since launch\n", runs);
    for (size_t i = 0; i < phases.size(); ++i) {
        std::printf("  %-40s %14.1f %14.1f\n", (i ? phases[i] : "process start to " + phases[i]).c_str(),
                    median(took[i]), median(at[i]));
    }
    double ours = median(brimlow), theirs = median(notepad);
    std::printf("launch to first shown window with content (median of %d runs):\n", runs);
    std::printf("  Brimlow.exe, tree filled        %8.1f ms\n", ours);
    std::printf("  notepad.exe, same file shown    %8.1f ms\n", theirs);
    std::printf("  ratio                           %8.2f\n", ours / theirs);
}

void benchLoad(TForm1& form, const std::string& label, const std::string& path) {
    form.LoadConfigFile(path);  // first load: the system parses the file
    std::vector<double> load, listing;
    for (int run = 0; run < 5; ++run) {
        double start = now();
        form.LoadConfigFile(path);
        load.push_back(now() - start);
        start = now();
        TIniFile ini(path);
        platform::VectorStringList sections, keys;
        ini.listSections(sections);
        for (const std::string& section : sections.items) ini.listKeys(section, keys);
        listing.push_back(now() - start);
    }
    Found tree{nullptr, WC_TREEVIEWA, nullptr};
    EnumChildWindows(form.handle(), findChild, reinterpret_cast<LPARAM>(&tree));
    std::printf("  %-28s %8.1f ms   (system listing alone %8.1f ms; %d nodes)\n", label.c_str(), median(load),
                median(listing), static_cast<int>(SendMessageA(tree.child, TVM_GETCOUNT, 0, 0)));
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

    benchLaunch(argv[1], simConfigPath, folder + "\\bench-marks.txt");

    std::string big = folder + "\\bench-1mb.cfg", mid = folder + "\\bench-100kb.cfg";
    writeAged(mid, generated(100 * 1024));
    writeAged(big, generated(1024 * 1024));
    TForm1 form;
    std::printf("LoadConfigFile alone (median of 5 warm runs):\n");
    benchLoad(form, "sample (" + std::to_string(sample.size()) + " bytes)", simConfigPath);
    benchLoad(form, "generated 100 KB", mid);
    benchLoad(form, "generated 1 MB", big);
    benchEdits(simConfigPath);
    std::vector<double> about;
    for (int run = 0; run < 5; ++run) {
        double start = now();
        TAboutForm form;
        about.push_back(now() - start);
    }
    std::printf("About window built, outline included (median of 5)  %8.1f ms\n", median(about));
    DeleteFileA(mid.c_str());
    DeleteFileA(big.c_str());
    return 0;
}
