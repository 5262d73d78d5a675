// The main dialog's enabling rules and its expand/collapse mechanics.
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

// The column boxes a template makes meaningless; their marks still reach the run.
const int kColumnBoxes[] = {IDC_MAIN_SIZE,         IDC_MAIN_ATTRIBUTES, IDC_MAIN_FILE_VERSION,
                            IDC_MAIN_DATE,         IDC_MAIN_CHECKSUM,   IDC_MAIN_PRODUCT_VERSION};

// Locked during a run, in this order. Cancel, the hidden finish button and the two captioned
// frames never are; the filter's uncaptioned frame is.
const int kRunLockedControls[] = {
    IDC_MAIN_SUBFOLDERS,    IDC_MAIN_FOLDER,        IDC_MAIN_BROWSE_FOLDER,   IDC_MAIN_BROWSE_OUTPUT,
    IDC_MAIN_OUTPUT,        IDC_MAIN_EXPAND,        IDC_MAIN_ABSOLUTE,        IDC_MAIN_RELATIVE,
    IDC_MAIN_DATE,          IDC_MAIN_ATTRIBUTES,    IDC_MAIN_SIZE,            IDC_MAIN_CHECKSUM,
    IDC_MAIN_FILE_VERSION,  IDC_MAIN_PRODUCT_VERSION, IDC_MAIN_FILTER_FRAME,  IDC_MAIN_FILTER,
    IDC_MAIN_FILTER_TEXT,   IDC_MAIN_UPPER_CASE,    IDC_MAIN_DIRECTORY_NAMES, IDC_MAIN_SAVE,
    IDC_MAIN_USE_TEMPLATE,  IDC_MAIN_EDIT_TEMPLATE, IDC_MAIN_LOWER_CASE,      IDC_MAIN_URL,
    IDOK,                   IDC_MAIN_UTF8,          IDC_MAIN_EXCLUDE_LABEL,   IDC_MAIN_EXCLUDE_TEXT,
    IDC_MAIN_COMPARE,       IDC_MAIN_PAGE};

// The collapsed window ends this many pixels below the top edge of the filter's frame.
const int kCollapsedMarginBelowFrame = 5;

}  // namespace

void CMainDialog::EnableControls(bool enable) {
    for (int id : kRunLockedControls) EnableItem(id, enable);
    if (enable) {
        ApplyFilterState();
        ApplyTemplateState();
    }
}

void CMainDialog::ApplyFilterState() { EnableItem(IDC_MAIN_FILTER_TEXT, IsChecked(IDC_MAIN_FILTER)); }

// The three forms exclude each other as far as they must: the page greys the template and the
// comparison, the template greys the comparison, and either of those greys the page.
void CMainDialog::ApplyTemplateState() {
    const bool page = IsChecked(IDC_MAIN_PAGE);
    const bool columnsApply = page || !IsChecked(IDC_MAIN_USE_TEMPLATE);
    for (int id : kColumnBoxes) EnableItem(id, columnsApply);
    EnableItem(IDC_MAIN_USE_TEMPLATE, !page);
    EnableItem(IDC_MAIN_COMPARE, !page && columnsApply);  // a comparison is of list-form lines
    EnableItem(IDC_MAIN_PAGE, page || (columnsApply && !IsChecked(IDC_MAIN_COMPARE)));
}

void CMainDialog::MeasureGeometry() {
    RECT dialog, frame;
    GetWindowRect(Window(), &dialog);
    GetWindowRect(Item(IDC_MAIN_FILTER_FRAME), &frame);
    windowWidth = dialog.right - dialog.left;
    expandedHeight = dialog.bottom - dialog.top;
    collapsedHeight = frame.top - dialog.top + kCollapsedMarginBelowFrame;
}

void CMainDialog::ApplyExpandState() {
    int height = IsChecked(IDC_MAIN_EXPAND) ? expandedHeight : collapsedHeight;
    SetWindowPos(Window(), nullptr, 0, 0, windowWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainDialog::OnCaseSwitch(WORD id) {
    if (id == IDC_MAIN_LOWER_CASE && IsChecked(IDC_MAIN_LOWER_CASE)) SetCheck(IDC_MAIN_UPPER_CASE, false);
    if (id == IDC_MAIN_UPPER_CASE && IsChecked(IDC_MAIN_UPPER_CASE)) SetCheck(IDC_MAIN_LOWER_CASE, false);
}
