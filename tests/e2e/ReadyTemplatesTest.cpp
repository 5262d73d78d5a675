// The ready templates through the console program, on a tree whose names break naive output:
// every CSV field, JSON Lines name and HTML link must give back the real file, in the code
// page and in UTF-8, and the SFV file the list form's checksums.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ConsoleProgram.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"
#include "text/Utf8Text.h"

namespace {

// Reads the output with Python's own csv, json and URL modules, from the listed folder, and
// writes "ok" or what did not match. The arguments: kind, Python's name of the encoding, the
// output and the expected paths (UTF-8, one a line).
const char kChecker[] = R"PY(
import csv, hashlib, html, io, json, os, re, sys, urllib.parse, zlib
kind, encoding, output, expected_file = sys.argv[1:5]
expected = [line for line in open(expected_file, encoding='utf-8').read().split('\n') if line]
utf8 = encoding == 'utf-8-sig'
def shown(text):  # a code page writes "?" for what it cannot hold
    return text if utf8 else text.encode('cp932', 'replace').decode('cp932')
def unix(path):
    return path.replace('\\', '/')
data = open(output, 'rb').read().decode(encoding)
found = []
if kind == 'csv':
    rows = list(csv.reader(io.StringIO(data, newline='')))
    assert rows[0] == ['path', 'name', 'size', 'date', 'attributes'], rows[0]
    assert rows[-1] == [], rows[-1]  # the empty footer's line
    for row in rows[1:-1]:
        assert len(row) == 5, row
        path = [e for e in expected if shown(e) == row[0]][0]
        assert row[1] == shown(os.path.basename(unix(path))), row
        assert row[2] == str(os.path.getsize(unix(path))), row
        found.append(path)
elif kind == 'jsonl':
    lines = data.split('\r\n')
    assert lines[-1] == '', lines[-1]
    objects = [json.loads(line) for line in lines[:-1]]
    assert objects[0]['type'] == 'listing' and objects[0]['folder'].endswith('\\data\\'), objects[0]
    assert objects[-1] == {'type': 'summary', 'entries': len(objects) - 2}, objects[-1]
    for entry in objects[1:-1]:
        assert entry['type'] == 'file', entry
        assert entry['name'] == os.path.basename(unix(entry['path'])), entry
        assert entry['size'] == os.path.getsize(unix(entry['path'])), entry
        assert re.fullmatch(r'\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\+09:00', entry['date']), entry
        found.append(entry['path'])
elif kind == 'csv-columns':  # every column chosen, folders listed, names a spreadsheet would run
    rows = list(csv.reader(io.StringIO(data, newline='')))
    assert rows[0] == ['path', 'name', 'size', 'date', 'attributes', 'crc32', 'sha256', 'file_version',
                       'product_version'], rows[0]
    assert all(len(row) == 9 for row in rows[1:-1]), rows
    rows = {row[0]: row for row in rows[1:-1]}
    assert rows['digits.txt'][5:] == ['CBF43926', hashlib.sha256(b"123456789").hexdigest(), '', ''], rows['digits.txt']
    assert rows['C# notes'][5:7] == ["'--------", "'" + '-' * 64], rows['C# notes']  # a folder: no checksums
    for name in ['=1+2.txt', '+1.txt', '-1.txt', '@SUM(A1).txt']:
        assert rows["'" + name][1] == "'" + name, rows["'" + name]
    found = [path for path in expected if path in rows]
elif kind == 'jsonl-columns':
    objects = [json.loads(line) for line in data.split('\r\n')[:-1]]
    assert objects[-1] == {'type': 'summary', 'entries': len(objects) - 2}, objects[-1]
    for entry in objects[1:-1]:
        folder = os.path.isdir(unix(entry['path']))
        assert entry['type'] == ('folder' if folder else 'file'), entry
        assert isinstance(entry['size'], int) and entry['file_version'] == '', entry
        content = b'' if folder else open(unix(entry['path']), 'rb').read()
        assert entry['crc32'] == ('--------' if folder else '%08X' % zlib.crc32(content)), entry
        assert entry['sha256'] == ('-' * 64 if folder else hashlib.sha256(content).hexdigest()), entry
        found.append(entry['path'])
    found = [path for path in found if path in expected]
else:
    assert '<meta charset="%s">' % ('UTF-8' if utf8 else 'Shift_JIS') in data
    for href, text in re.findall(r'<a href="([^"]*)">([^<]*)</a>', data):
        path = urllib.parse.unquote(href, errors='strict')
        assert os.path.isfile(path), href
        assert kind == 'links' or html.unescape(text) == shown(path.replace('/', '\\')), (text, path)
        found.append(path.replace('/', '\\'))
assert sorted(found) == sorted(expected), (sorted(found), sorted(expected))
print('ok')
)PY";

// Names with "#", "%", "&", "'", ",", spaces, quotes other than '"' (which Windows forbids),
// kanji, and names outside code page 932, in folders of such names.
const std::vector<std::wstring> kPaths = {
    L"a b.txt",
    L"#1 100%.txt",
    L"R&D 'x', y.txt",
    L"\u201Cquoted\u201D.txt",
    L"\u6F22\u5B57.txt",
    L"r\u00E9sum\u00E9.txt",
    L"C# notes\\a%20b.txt",
    L"C# notes\\\u8868 \u30BD.txt",
    L"\u00E9t\u00E9\\x,y.txt",
};

class ReadyTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        data = folder.MakeDir("data");
        for (size_t i = 0; i < kPaths.size(); ++i) folder.WriteFile(L"data\\" + kPaths[i], std::string(i, 'x'));
        folder.WriteFile("data\\digits.txt", "123456789");
        std::string expected = "digits.txt\n";
        for (const std::wstring& path : kPaths) expected += Utf8Text::Instance().FromWide(path) + "\n";
        folder.WriteFile("expected.txt", expected);
        folder.WriteFile("check.py", kChecker);
        folder.WriteFile("empty.ini", "");
    }

    // The listing through the console program with these options; its output's name.
    std::string List(const std::string& name, const std::string& options) {
        const std::string output = folder / name;
        ConsoleOutcome outcome = RunConsoleProgram("--settings " + Quoted(folder / "empty.ini") +
                                                   " --subfolders=1 --dirs=0 --path=relative --case=none --url=0"
                                                   " --size=0 --date=0 --attributes=0 " +
                                                   options + " " +
                                                   Quoted(data) + " " + Quoted(output));
        EXPECT_EQ(0u, outcome.exitCode) << outcome.err;
        return output;
    }

    // Python's verdict on the output, read from the listed folder (where relative links lead).
    std::string Check(const std::string& kind, const std::string& encoding, const std::string& output) {
        const std::string result = folder / (kind + "-" + encoding + ".result");
        RunUnixShell("cd '" + UnixPath(data) + "' && /usr/bin/python3 '" + UnixPath(folder / "check.py") + "' " +
                     kind + " " + encoding + " '" + UnixPath(output) + "' '" + UnixPath(folder / "expected.txt") +
                     "' > '" + UnixPath(result) + "' 2>&1; true");
        return ReadWholeFile(result);
    }

    TempFolder folder;
    std::string data;
};

TEST_F(ReadyTemplates, CsvJsonLinesAndHtmlGiveBackEveryRealNameInBothEncodings) {
    for (const char* encoding : {"cp932", "utf-8-sig"}) {
        const std::string utf8 = encoding == std::string("cp932") ? " --utf8=0" : " --utf8=1";
        EXPECT_EQ("ok\n", Check("csv", encoding, List("list.csv", "--template=csv" + utf8))) << encoding;
        EXPECT_EQ("ok\n", Check("jsonl", encoding, List("list.jsonl", "--template=jsonl" + utf8))) << encoding;
        EXPECT_EQ("ok\n", Check("html", encoding, List("list.html", "--template=html-table" + utf8))) << encoding;
    }
    // A link is the real path, whatever the path column's letter case and URL form.
    EXPECT_EQ("ok\n", Check("links", "cp932", List("cased.html", "--template=html-table --case=upper --url=1")));
}

// "path CRC" lines of an SFV file or "path<tab>CRC" lines of the list form, by path.
std::map<std::string, std::string> Checksums(const std::string& text, char separator) {
    std::map<std::string, std::string> sums;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        const size_t split = line.rfind(separator);
        if (line.empty() || line[0] == ';' || split == std::string::npos) continue;
        sums[line.substr(0, split)] = line.substr(split + 1);
    }
    return sums;
}

TEST_F(ReadyTemplates, CsvAndJsonLinesFollowTheChosenColumnsAndKeepFormulasText) {
    for (const wchar_t* name : {L"=1+2.txt", L"+1.txt", L"-1.txt", L"@SUM(A1).txt"}) folder.WriteFile(L"data\\" + std::wstring(name), "");
    const std::string columns = " --dirs=1 --crc=1 --sha256=1 --version=1 --product-version=1";
    EXPECT_EQ("ok\n", Check("csv-columns", "utf-8-sig", List("columns.csv", "--template=csv --utf8=1" + columns)));
    EXPECT_EQ("ok\n", Check("jsonl-columns", "cp932", List("columns.jsonl", "--template=jsonl" + columns)));
    // Unchosen, the columns are not there at all.
    const std::string plain = ReadWholeFile(List("plain.csv", "--template=csv"));
    EXPECT_EQ(0u, plain.find("path,name,size,date,attributes\r\n")) << plain;
    EXPECT_NE(std::string::npos, plain.find("\r\n\"digits.txt\",\"digits.txt\",9,")) << plain;
}

TEST_F(ReadyTemplates, SfvHoldsTheListFormsChecksumsAndNoFolderLine) {
    const std::string sfv = ReadWholeFile(List("list.sfv", "--template=sfv --dirs=1"));
    const std::string list = ReadWholeFile(List("list.txt", "--template=0 --crc=1"));
    EXPECT_EQ(0u, sfv.find("; Quillmark " + data + "\\\r\n")) << sfv;
    const auto sums = Checksums(sfv, ' ');
    EXPECT_EQ(kPaths.size() + 1, sums.size()) << sfv;
    EXPECT_EQ(Checksums(list, '\t'), sums);
    EXPECT_EQ("CBF43926", sums.at("digits.txt"));
    EXPECT_EQ("", ReadWholeFile(folder / "empty.ini"));
}

}  // namespace
