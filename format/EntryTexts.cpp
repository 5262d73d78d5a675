#include "format/EntryTexts.h"

void EntryTexts::RegisterPlaceholders() {
    placeholders = {
        {"PATH", &path},
        {"DATE", &date},
        {"SIZE", &size},
        {"CRC", &crc},
        {"CRC16", &crc},
        {"SHA256", &sha256},
        {"SHA1", &sha1},
        {"MD5", &md5},
        {"VERSION", &version},
        {"PRODUCTVERSION", &productVersion},
        {"FILE", &file},
        {"DIR", &dir},
        {"COUNT", &count},
        {"ATTRIBUTE", &attribute},
        {"OUTFILE", &outFile},
        {"DIRNAME", &dirName},
        {"LOCATION", &location},
    };
}
