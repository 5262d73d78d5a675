#include "common/ReadyTemplates.h"

#include "framework/ModuleText.h"
#include "res/resource.h"

const ReadyTemplate kReadyTemplates[kReadyTemplateCount] = {
    {"html", IDS_READY_HTML, IDS_TEMPLATE_HEADER},
    {"html-table", IDS_READY_HTML_TABLE, IDS_READY_HTML_TABLE_HEADER},
    {"csv", IDS_READY_CSV, IDS_READY_CSV_HEADER},
    {"jsonl", IDS_READY_JSONL, IDS_READY_JSONL_HEADER},
    {"sfv", IDS_READY_SFV, IDS_READY_SFV_HEADER},
};

const ReadyTemplate* FindReadyTemplate(const CString& name) {
    for (const ReadyTemplate& ready : kReadyTemplates)
        if (name == ready.name) return &ready;
    return nullptr;
}

TemplateTexts LoadReadyTemplate(const ReadyTemplate& ready) {
    return {LoadResourceString(ready.headerId), LoadResourceString(ready.headerId + 1),
            LoadResourceString(ready.headerId + 2)};
}
