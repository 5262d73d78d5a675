#pragma once
// The program's one window: the folder, the output file and the options of a run, with
// Execute, Cancel (stop a run, or save and close), Save and the expand button.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/ListingRun.h"
#include "format/ListingOptions.h"
#include "framework/Dialog.h"
#include "framework/Strings.h"
#include "framework/TaskbarProgress.h"
#include "settings/SettingsFile.h"

class CMainDialog : public CDialog {
public:
    // executablePath: the settings file and the default output file are named after it.
    CMainDialog(std::wstring commandLinePath, std::wstring executablePath);
    ~CMainDialog() override;

    // Fields bound to the controls, with the template texts (see Exchange).
    ListingOptions options;
    bool expand = false;         // the dialog shows the options below the filter
    std::wstring commandLinePath;    // first command-line token, empty if none
    std::wstring executablePath;
    std::wstring defaultOutputPath;  // executable path with ".txt"; written when the output is empty
    SettingsFile settingsFile;       // executable path with ".ini"
    int32_t windowWidth = 0;     // measured at initialisation, pixels
    int32_t expandedHeight = 0;
    int32_t collapsedHeight = 0;
    HICON icon = nullptr;

    // Locks (false) or unlocks (true) the controls around a run; Cancel is never touched.
    void EnableControls(bool enable);
    void ApplyFilterState();
    void ApplyExpandState();
    void ApplyTemplateState();

    // The OK command: starts a run on a worker thread, or does nothing while one is going.
    void Execute();
    // The finish notice: unlocks, then reports how the run ended or offers to open the output.
    void OnFinish();
    // Whether a run (folder or dropped paths) is going.
    bool IsRunning() const { return run_ && run_->IsRunning(); }
    // The latest run, going or ended; null before the first.
    const ListingRun* CurrentRun() const { return run_.get(); }

    void LoadSettings();
    void SaveSettings();
    void SaveOnClose();

    // One dropped path or the command-line path: a folder becomes the folder to list, a file
    // opens the choices for it. False when the user chose to list the file itself.
    bool HandleSinglePath(const std::wstring& path);
    // Lists each path itself into the output file on a worker thread, as a folder run goes,
    // taking the paths out of the list; does nothing while a run is going.
    void ListDroppedFiles(PathList& paths);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    void OnOK() override;
    void OnCancel() override;
    void Exchange(DataExchange& dx) override;
    // Starts the run on its worker thread, to report back with the finish button's command;
    // false when it could not be started. Tests hold or fail the start here.
    virtual bool StartRun(ListingRun& run);

private:
    // The dialog's choices as a run takes them: the output field trimmed (in the field too),
    // the default output file when it is empty.
    ListingOptions Snapshot();
    // Before every run: removes the report of an earlier run beside the output. With the compare
    // box on and a previous listing in the output path, the run is made to compare with it and
    // to write beside it (see ui/MainDialogCompare.cpp). False, having said why, when the
    // output or a file beside it cannot be written.
    bool PrepareComparison(ListingOptions& snapshot);
    // After a comparing run: the new listing and its report take the places of the previous
    // ones when it is complete, else they go. False when it did not replace the output.
    bool EndComparison(bool complete);
    // The end-of-run box of a comparing run: the counts, the lines of what could not be read
    // (see GapLines), and the report to open.
    void OfferReport(const std::wstring& gaps);
    // Locks the controls and starts the run; unlocks and says so when it cannot start.
    void Start(std::unique_ptr<ListingRun> run);
    // The run's count in the caption and a busy taskbar button, from start to finish.
    void StartProgress();
    void ShowProgress();
    void EndProgress();
    // The caption as the dialog template gives it, read once; notes (a run's count, a Save)
    // are added to it.
    const std::wstring& NormalCaption();
    void OnDropFiles(HDROP drop);
    void HandleCommandLinePath();
    void MeasureGeometry();
    void OnBrowseFolder();
    void OnChooseOutput();
    void OnEditTemplate();
    // Window details: the system menu's help and about entries, icons, minimised painting.
    void AddSystemMenuEntries();
    void SetWindowIcons();
    bool OnSysCommand(WPARAM command);
    bool OnPaint();
    void OnCaseSwitch(WORD id);
    void OnCancelCommand();

    std::unique_ptr<ListingRun> run_;
    std::wstring comparedOutput_;     // the output the latest run compared with; empty for none
    bool noPreviousListing_ = false;  // the latest run: the compare box was on, but there was nothing to compare with
    std::wstring normalCaption_;  // the caption when no run is going
    TaskbarProgress taskbar_;
};
