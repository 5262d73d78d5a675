#include "engine/ChecksumReport.h"

#include "engine/OutputFile.h"
#include "framework/MessageText.h"
#include "text/WideConversion.h"

namespace {

const char* WordOf(CheckOutcome outcome) {
    switch (outcome) {
    case CheckOutcome::Ok:
        return "OK";
    case CheckOutcome::Failed:
        return "FAILED";
    case CheckOutcome::Missing:
        return "MISSING";
    case CheckOutcome::Unreadable:
        break;
    }
    return "UNREADABLE";
}

}  // namespace

std::string CheckReportLine(const ChecksumEntry& entry, CheckOutcome outcome, DWORD error, bool utf8) {
    std::string line = WordOf(outcome);
    line += '\t';
    line += entry.written;
    if (outcome == CheckOutcome::Unreadable) {
        line += '\t';
        line += CodePageFromWide(utf8 ? CP_UTF8 : CP_ACP, 0, SystemErrorText(error));
    }
    return line;
}

CheckResult WriteCheckReport(ChecksumCheck& check, const std::wstring& reportPath, HANDLE handle, bool leaveOutOk) {
    const CheckResult loaded = check.Load();
    if (loaded != CheckResult::Complete) return loaded;
    OutputFile report;
    if (handle ? !report.Attach(handle) : !report.Create(reportPath)) return CheckResult::CannotCreate;
    const bool utf8 = check.Lines().utf8;
    if (!handle && check.Lines().byteOrderMark) report.WriteBytes("\xEF\xBB\xBF", 3);
    CheckResult result = check.Run([&](const ChecksumEntry& entry, CheckOutcome outcome, DWORD error) {
        if (leaveOutOk && outcome == CheckOutcome::Ok) return true;
        const std::string line = CheckReportLine(entry, outcome, error, utf8);
        return report.WriteLine(line.data(), line.size());
    });
    if (!report.Close() && result != CheckResult::Stopped) result = CheckResult::WriteFailed;
    return result;
}
