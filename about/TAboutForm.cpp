#include "about/TAboutForm.h"

#include "platform/Encoding.h"
#include "platform/Prompts.h"
#include "platform/SystemLibrary.h"
#include "resource.h"
#include "ui/Application.h"

#include <cstdint>
#include <vector>

using namespace ui;

namespace {

const COLORREF Silver = RGB(192, 192, 192);
const char* const WebAddress = "https://www.pellam.example.com/";
const char* const MailAddress = "mailto:support@pellam.example.com";

#define ROW(name, id, ...) UI_EXPAND(UI_CONTROL_ROW(TAboutForm, name, id, __VA_ARGS__))

const FormDef AboutFormDef = {"TAboutForm", "AboutForm", 0, 0, 480, 360, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0};

const ControlRow<TAboutForm> AboutLayout[] = {
    ROW(Button1, ID_AboutButton1, Button, 0, 344, 272, 41, 25, "OK", nullptr, NoFlags),
    ROW(ComboBox1, ID_ComboBox1, Combo, 0, 144, 232, 177, 120, nullptr, nullptr, NoFlags),
    ROW(ListBox1, ID_AboutListBox1, List, 0, 248, 48, 209, 97, nullptr, nullptr, Sorted | Hidden),
    ROW(Memo2, ID_Memo2, Memo, 0, 256, 64, 209, 153, nullptr, nullptr, VScroll | Hidden),
    ROW(Panel1, ID_AboutPanel1, Panel, 0, 288, 72, 129, 105, nullptr, nullptr, Hidden),
    ROW(Label4, ID_Label4, Label, ID_AboutPanel1, 64, 16, 40, 13, "Website", nullptr, NoFlags),
    ROW(Label5, ID_Label5, Label, ID_AboutPanel1, 64, 64, 28, 13, "Email", nullptr, NoFlags),
    ROW(Label2, ID_AboutLabel2, Label, 0, 80, 20, 321, 13, nullptr, nullptr, Centred),
    ROW(Label1, ID_AboutLabel1, Label, 0, 256, 56, 201, 137, nullptr, nullptr, NoFlags),
    ROW(Label3, ID_Label3, Label, 0, 256, 152, 193, 73,
        "This displays the versions of the various DLLs currently installed on your system.  Click on entry for "
        "description",
        nullptr, Centred),
    ROW(ListBox2, ID_AboutListBox2, List, 0, 0, 0, 10, 10, nullptr, nullptr, Sorted | Hidden),
};

const EventBinding<TAboutForm> AboutEvents[] = {
    {ID_ComboBox1, Event::Change, &TAboutForm::ComboBox1Change},
    {ID_AboutListBox1, Event::Click, &TAboutForm::ListBox1Click},
    {ID_AboutButton1, Event::Click, &TAboutForm::Button1Click},
    {ID_MButton2, Event::Click, &TAboutForm::MButton2Click},
    {ID_MButton3, Event::Click, &TAboutForm::MButton3Click},
};

struct Module {
    const char* fileName;
    const char* text;
};

const Module ModuleTable[] = {
    {"drelk.dll", "Main graphics conversion and processing module. Some functions utilise other dlls."},
    {"drelkvd.dll", "Visual Dialogs and functions module.\nUsed by some drelk.dll functions"},
    {"surfx.dll", "DDS and DXT processing module.\nUsed by some drelk.dll functions"},
    {"railx.dll", "Train Simulator ACE image reading module"},
    {"drelkbs.dll", "Visual Basic interface to drelk.dll\nRequired by VB programs using the dll"},
    {"railxbs.dll", "Visual Basic interface to railx.dll\nRequired by VB programs using the dll"},
    {"surfxbs.dll", "Visual Basic interface to surfx.dll\nRequired by VB programs using the dll"},
    {"scanlnk.dll", "Twain interface module.\nUsed by some drelk.dll functions"},
    {"tolva.dll", "Obsolete. No longer required\nFunctions now incorporated in drelk.dll"},
    {"tolvix.dll", "Obsolete. No longer required\nFunctions now incorporated in drelk.dll"},
    {"scanx.exe", "Interfacing application for Twain"},
};

const char* const Copyright[20] = {
    "Brimlow",
    "Copyright (C) Pellam Graphics.",
    "All rights reserved.",
    "",
    "This program is free to use for",
    "personal, non-commercial purposes.",
    "It may be passed on unchanged,",
    "with this notice, at no charge.",
    "",
    "The drelk graphics modules are",
    "copyright Pellam Graphics and are",
    "distributed with their own terms.",
    "",
    "The program is provided as is,",
    "without any warranty. Keep a copy",
    "of your configuration file before",
    "changing it: use Save Copy.",
    "",
    "Flight Simulator X is a trademark",
    "of its owner.",
};

const char* const Pages[] = {"Program Information", "drelk DLL Information", "Copyrights", "Contact"};

// A picture of the program's resources; the forms and buttons keep copies of their own.
GdiObject<HBITMAP> resourceBitmap(int id) {
    return GdiObject<HBITMAP>(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}

}  // namespace

std::string formatVersion(DWORD productVersionMS, DWORD productVersionLS) {
    return std::to_string(HIWORD(productVersionMS)) + ".00." + std::to_string(static_cast<int32_t>(productVersionLS));
}

std::string versionText(const std::string& fileName) {
    using GetInfo = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryValue = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    static const auto getInfo = platform::systemFunction<GetInfo>("version.dll", "GetFileVersionInfoW");
    static const auto queryValue = platform::systemFunction<QueryValue>("version.dll", "VerQueryValueW");
    std::vector<char> block(1020);
    if (!getInfo || !queryValue) return "";
    if (!getInfo(platform::wide(fileName).c_str(), 0, static_cast<DWORD>(block.size()), block.data())) return "";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!queryValue(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return "";
    return formatVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
}

TAboutForm::TAboutForm() {
    CreateLayout();
    BMShapedForm1.SetParent(handle());
    BMShapedForm1.AutoSize = true;
    BMShapedForm1.SetBounds(0, 0, 480, 360);
    BMShapedForm1.SetPicture(resourceBitmap(IDB_ABOUT).get());
    BMShapedForm1.Loaded();
}

void TAboutForm::CreateLayout() {
    createWindow(AboutFormDef);
    createControls(*this, AboutLayout);
    for (const char* page : Pages) ComboBox1.addItem(page);
    ComboBox1.setItemIndex(0);
    listFont_.reset(makeFont("Courier New", FW_NORMAL, FIXED_PITCH | FF_MODERN));
    SendMessageA(ListBox1.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.get()), FALSE);
    SendMessageA(ListBox1.handle(), LB_SETITEMHEIGHT, 0, 15);
    Panel1.setLowered(Silver);
    silverBrush_.reset(CreateSolidBrush(Silver));
    std::vector<std::string> lines(std::begin(Copyright), std::end(Copyright));
    Memo2.setLines(lines);
    SendMessageA(Memo2.handle(), EM_SETREADONLY, FALSE, 0);
    auto makeButton = [&](TMButton& button, int id, int top, int bitmapId, const char* hint) {
        button.Create(Panel1.handle(), id, 8, top, 49, 41);
        button.SetFlag(TMButton::BorderFlag, false);
        button.SetFlag(TMButton::StretchFlag, false);
        button.Color = Silver;
        button.SetBitmap(resourceBitmap(bitmapId).get());
        adoptControl(id, button);
        addHint(button.handle(), hint);
    };
    makeButton(MButton3, ID_MButton3, 8, IDB_WEBSITE, "Visit the Pellam Graphics Website");
    makeButton(MButton2, ID_MButton2, 56, IDB_EMAIL, "Contact");
}

void TAboutForm::onEvent(int id, Event event) { dispatchEvent(*this, AboutEvents, id, event); }

// Closing ends the modal showing; the window is hidden, not destroyed.
void TAboutForm::afterClose() { endModal(); }

void TAboutForm::FormShow() {
    if (Form* main = Application::mainForm()) {
        RECT r = main->windowRect();
        setPosition(r.left, r.top);
    }
    Label2.setText(platform::ansiFromUtf8(Application::title()) + " - No Version Number found");
    std::string version = versionText(Application::exePath());
    if (!version.empty()) Label2.setText("Version " + version);
    Label1.setText(aboutText);
    ListBox1.clear();
    ListBox2.clear();
    for (const Module& module : ModuleTable) {
        AddModule(module.fileName, std::string(module.fileName) + "\r\n\r\n" + module.text);
    }
    SetPagesVisible(false);
    Label1.show();
    ComboBox1.setItemIndex(0);
    Repaint();
}

void TAboutForm::SetPagesVisible(bool visible) {
    for (Control* page : std::initializer_list<Control*>{&Label1, &ListBox1, &Label3, &Memo2, &Panel1}) {
        page->setVisible(visible);
    }
    Repaint();
}

void TAboutForm::AddModule(const std::string& fileName, const std::string& description) {
    std::string fill(fileName.size() < 12 ? 12 - fileName.size() : 0, ' ');
    std::string version = versionText(fileName);
    ListBox1.add(fileName + fill + " -   " + (version.empty() ? "Not found" : version));
    ListBox2.add(description);
}

void TAboutForm::ComboBox1Change(Control* /*sender*/) {
    SetPagesVisible(false);
    switch (ComboBox1.itemIndex()) {
    case 1:
        ListBox1.show();
        Label3.show();
        break;
    case 2: Memo2.show(); break;
    case 3: Panel1.show(); break;
    default: Label1.show(); break;
    }
}

void TAboutForm::ListBox1Click(Control* /*sender*/) {
    for (int i = 0; i < ListBox1.count(); ++i) {
        if (SendMessageA(ListBox1.handle(), LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) {
            Label3.setText(ListBox2.item(i));
            Repaint();
            return;
        }
    }
}

void TAboutForm::Button1Click(Control* /*sender*/) { close(); }

void TAboutForm::MButton3Click(Control* /*sender*/) {
    platform::prompts().shellExecute(handle(), "open", WebAddress, "");
    close();
}

void TAboutForm::MButton2Click(Control* /*sender*/) {
    platform::prompts().shellExecute(handle(), "open", MailAddress, "");
    close();
}

// The labels are see-through: what lies under them is the form's picture, repainted with them.
void TAboutForm::Repaint() { RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

LRESULT TAboutForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        BMShapedForm1.Paint(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLORSTATIC: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control == Memo2.handle()) break;
        if (GetParent(control) == Panel1.handle()) {
            SetBkColor(reinterpret_cast<HDC>(wParam), Silver);
            return reinterpret_cast<LRESULT>(silverBrush_.get());
        }
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_SIZE:
        BMShapedForm1.SetBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(handle());
        BMShapedForm1.MouseDown(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        BMShapedForm1.MouseMove(wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ReleaseCapture();
        BMShapedForm1.MouseUp();
        return 0;
    }
    return Form::handleMessage(message, wParam, lParam);
}
