// Writes the delivered database: version 0's schema, the administrator row
// and the wubi codes of single characters from the wubi86 dictionary, brought
// to the current version by the same upgrade steps a shop's book goes through.
// Usage: make_db schema-v0.sql seed.sql wubi86.dict.yaml output.mdb
#include "schemaupgrade.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace {
std::string readFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isSingleCharacter(const std::string& text)
{
    if (text.empty())
        return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.size() == length;
}

struct Entry {
    std::string character;
    std::string code;
};

// One code per character: its longest code that does not start with "z"
// (the first of equal length).
std::vector<Entry> wubiCodes(const char* path)
{
    std::ifstream in(path);
    std::string line;
    bool body = false;
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> index;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!body) {
            body = line == "...";
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string text = line.substr(0, tab);
        const size_t end = line.find('\t', tab + 1);
        const std::string code = line.substr(tab + 1, end == std::string::npos ? std::string::npos : end - tab - 1);
        if (!isSingleCharacter(text) || code.empty() || code[0] == 'z')
            continue;
        const auto found = index.find(text);
        if (found == index.end()) {
            index.emplace(text, entries.size());
            entries.push_back({text, code});
        } else if (code.size() > entries[found->second].code.size()) {
            entries[found->second].code = code;
        }
    }
    return entries;
}

bool exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::cerr << "make_db: " << (error ? error : "unknown error") << '\n';
    sqlite3_free(error);
    return false;
}

bool upgrade(const std::string& path)
{
    auto session = Database::openFile(QString::fromStdString(path));
    const DbStatus upgraded = session ? SchemaUpgrade::upgrade(*session) : session.status();
    if (!upgraded)
        std::cerr << "make_db: " << upgraded.error().text().toStdString() << '\n';
    return bool(upgraded);
}

bool vacuum(const std::string& path)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK && exec(db, "VACUUM");
    sqlite3_close(db);
    return ok;
}
}

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: make_db schema-v0.sql seed.sql wubi86.dict.yaml output.mdb\n";
        return 2;
    }
    const std::string output = argv[4];
    const std::string partial = output + ".partial";
    std::remove(partial.c_str());

    const std::vector<Entry> codes = wubiCodes(argv[3]);
    if (codes.empty()) {
        std::cerr << "make_db: no wubi codes read from " << argv[3] << '\n';
        return 1;
    }

    sqlite3* db = nullptr;
    if (sqlite3_open(partial.c_str(), &db) != SQLITE_OK) {
        std::cerr << "make_db: cannot create " << partial << '\n';
        return 1;
    }
    bool ok = exec(db, "PRAGMA journal_mode=DELETE") && exec(db, "BEGIN") && exec(db, readFile(argv[1]))
              && exec(db, readFile(argv[2]));
    sqlite3_stmt* insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO sysdepe (k1, k2) VALUES (?, ?)", -1, &insert, nullptr) == SQLITE_OK;
    for (size_t i = 0; ok && i < codes.size(); ++i) {
        sqlite3_bind_text(insert, 1, codes[i].character.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, codes[i].code.c_str(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
    }
    sqlite3_finalize(insert);
    ok = ok && exec(db, "COMMIT");
    sqlite3_close(db);
    ok = ok && upgrade(partial) && vacuum(partial);
    if (!ok || std::rename(partial.c_str(), output.c_str()) != 0) {
        std::remove(partial.c_str());
        std::cerr << "make_db: failed to write " << output << '\n';
        return 1;
    }
    return 0;
}
