#pragma once
// --register and --unregister: Explorer's menu entry for the dialog program beside this one,
// added or removed, and what was done told on standard output (a failure on standard error).
enum class ExplorerAction { None, Register, Unregister };

// The exit code: 0 done, 3 a key (or the dialog program) is not as it should be.
int RunExplorerAction(ExplorerAction action, bool quiet);
