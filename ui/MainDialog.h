#pragma once
// The program's one window: the folder, the output file and the options of a run, with
// Execute, Cancel (stop a run, or save and close), Save and the expand button.
#include <windows.h>
#include <shellapi.h>
#include <cstdint>

#include "engine/ListingJob.h"
#include "framework/Dialog.h"
#include "framework/Strings.h"
#include "framework/Thread.h"
#include "settings/MainOptions.h"

class CMainDialog : public CDialog {
public:
    // executablePath: the settings file and the default output file are named after it.
    CMainDialog(CString commandLinePath, CString executablePath);
    ~CMainDialog() override;

    // Fields bound to the controls, with the template texts (see Exchange).
    MainOptions options;
    CString commandLinePath;     // first command-line token, empty if none
    CString executablePath;
    CString defaultOutputPath;   // executable path with ".txt"; written when the output is empty
    CString settingsFilePath;    // executable path with ".ini"
    int32_t windowWidth = 0;     // measured at initialisation, pixels
    int32_t expandedHeight = 0;
    int32_t collapsedHeight = 0;
    HICON icon = nullptr;
    ListingJob job;
    // How the worker is started; a seam so that a failed start can be exercised.
    bool (*startThread)(LPTHREAD_START_ROUTINE, void*) = StartThread;

    // Locks (FALSE) or unlocks (TRUE) the controls around a run; Cancel is never touched.
    void EnableControls(BOOL enable);
    void ApplyFilterState();
    void ApplyExpandState();
    void ApplyTemplateState();

    // The OK command: starts a run on a worker thread, or does nothing while one is going.
    void Execute();
    // The finish notice: unlocks, then reports a stop or offers to open the output.
    void OnFinish();

    void LoadSettings();
    void SaveSettings();
    void SaveOnClose();

    // One dropped path or the command-line path: a folder becomes the folder to list, a file
    // opens the choices for it. FALSE when the user chose to list the file itself.
    BOOL HandleSinglePath(const CString& path);
    // Lists each path itself into the output file, synchronously, taking the paths out of
    // the list; does nothing while a run is going.
    void ListDroppedFiles(CStringList& paths);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    void OnOK() override;
    void OnCancel() override;
    void Exchange(DataExchange& dx) override;

private:
    // Copies the dialog's choices into the job, as every run starts; the folder and the
    // filter list are the caller's.
    void TakeSnapshot();
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
};
