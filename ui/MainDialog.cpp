#include "ui/MainDialog.h"

#include <utility>

#include "framework/MessageBox.h"
#include "ui/ReadmeHelp.h"
#include "res/resource.h"

namespace {

// A one-line field may still hold a line break (pasted, or set by another program); the text
// after it would be lost in the settings file, so a run and the file alike take the first line.
// No byte of a double-byte character is CR or LF.
template <class Text>
void KeepFirstLine(Text& text) {
    const size_t lineBreak = text.find_first_of(Text(1, '\r') + Text(1, '\n'));
    if (lineBreak != Text::npos) text.resize(lineBreak);
}

}  // namespace

CMainDialog::CMainDialog(std::wstring commandLine, std::wstring executable)
    : CDialog(IDD_MAIN, nullptr),
      commandLinePath(std::move(commandLine)),
      executablePath(std::move(executable)),
      icon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CMainDialog::~CMainDialog() = default;

BOOL CMainDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetAppMainWindow(Window());
    AddSystemMenuEntries();
    SetWindowIcons();
    LoadSettings();
    UpdateData(false);
    ApplyFilterState();
    ApplyTemplateState();
    MeasureGeometry();  // the template is laid out expanded
    ApplyExpandState();
    HandleCommandLinePath();
    return TRUE;
}

void CMainDialog::Exchange(DataExchange& dx) {
    dx.Text(IDC_MAIN_FOLDER, options.folder);
    dx.Text(IDC_MAIN_OUTPUT, options.outputPath);
    dx.Check(IDC_MAIN_SUBFOLDERS, options.subfolders);
    dx.Check(IDC_MAIN_DATE, options.date);
    dx.Check(IDC_MAIN_ATTRIBUTES, options.attributes);
    dx.Check(IDC_MAIN_FILTER, options.filter);
    dx.Check(IDC_MAIN_FILE_VERSION, options.fileVersion);
    dx.Check(IDC_MAIN_SIZE, options.size);
    dx.Radio(IDC_MAIN_ABSOLUTE, options.pathType);
    dx.Check(IDC_MAIN_UPPER_CASE, options.upperCase);
    dx.Check(IDC_MAIN_DIRECTORY_NAMES, options.directoryNames);
    dx.Text(IDC_MAIN_FILTER_TEXT, options.filterText);
    dx.Text(IDC_MAIN_EXCLUDE_TEXT, options.excludeText);
    dx.Check(IDC_MAIN_EXPAND, expand);
    dx.Check(IDC_MAIN_LOWER_CASE, options.lowerCase);
    dx.Check(IDC_MAIN_URL, options.url);
    dx.Check(IDC_MAIN_USE_TEMPLATE, options.useTemplate);
    dx.Check(IDC_MAIN_CHECKSUM, options.checksum);
    dx.Check(IDC_MAIN_PRODUCT_VERSION, options.productVersion);
    dx.Check(IDC_MAIN_UTF8, options.utf8);
    dx.Check(IDC_MAIN_COMPARE, options.compare);
    dx.Check(IDC_MAIN_PAGE, options.page);
    if (dx.Reading()) {
        KeepFirstLine(options.folder);
        KeepFirstLine(options.outputPath);
        KeepFirstLine(options.filterText);
        KeepFirstLine(options.excludeText);
    }
}

INT_PTR CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam) ? TRUE : FALSE;
    case WM_PAINT:
        return OnPaint() ? TRUE : FALSE;
    case WM_TIMER:
        ShowProgress();
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(icon);  // the minimised window is dragged with it
    case WM_HELP:
        ShowReadme(Window());  // F1
        SetMessageResult(TRUE);
        return TRUE;
    default:
        return CDialog::OnMessage(message, wParam, lParam);
    }
}

bool CMainDialog::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_MAIN_BROWSE_FOLDER:
        OnBrowseFolder();
        return true;
    case IDC_MAIN_BROWSE_OUTPUT:
        OnChooseOutput();
        return true;
    case IDC_MAIN_EDIT_TEMPLATE:
        OnEditTemplate();
        return true;
    case IDC_MAIN_EXPAND:
        ApplyExpandState();
        return true;
    case IDC_MAIN_FILTER:
        ApplyFilterState();
        return true;
    case IDC_MAIN_FINISH:
        OnFinish();
        return true;
    case IDC_MAIN_SAVE:
        SaveSettings();
        return true;
    case IDC_MAIN_USE_TEMPLATE:
    case IDC_MAIN_COMPARE:
    case IDC_MAIN_PAGE:
        ApplyTemplateState();
        return true;
    case IDC_MAIN_LOWER_CASE:
    case IDC_MAIN_UPPER_CASE:
        OnCaseSwitch(id);
        return true;
    default:
        return false;
    }
}

void CMainDialog::OnOK() { Execute(); }

void CMainDialog::OnCancel() { OnCancelCommand(); }

void CMainDialog::OnCancelCommand() {
    if (IsRunning()) {
        run_->RequestStop();
        return;
    }
    SaveOnClose();
}

bool CMainDialog::StartRun(ListingRun& run) { return run.Start(Window(), IDC_MAIN_FINISH); }
