#pragma once

#include <map>
#include <string>

#include "emulator/article_text.h"
#include "emulator/talon_emulator.h"

// The register's memory: log-in, print switch, version and the article database.
class RegisterState {
public:
    explicit RegisterState(const EmulatorOptions& options);

    int LogIn(const std::string& password);
    void LogOut() { Logged = false; }
    bool LoggedIn() const { return Logged; }
    void SetPrinting(bool on) { Printing = on; }
    bool PrintingOn() const { return Printing; }
    void SetVersion(const std::string& version) { Version = version; }
    const std::string& GetVersion() const { return Version; }
    const std::string& GetFiscalModule() const { return FiscalModule; }
    // Locations 1 to Limit()-1 can be programmed.
    int Limit() const;

    // Programs an article after the register's checks; the answer code.
    int Write(int location, const StoredArticle& article);
    // Stores without checks (the articles the register starts with).
    void Put(int location, const StoredArticle& article);
    int Erase(int location);
    void Clear();
    const std::map<int, StoredArticle>& All() const { return Database; }
    // The location after this one that holds an article; 0 after the last.
    int NextAfter(int location) const;

private:
    using Owners = std::multimap<std::string, int>; // a name or barcode and its locations
    static bool HeldElsewhere(const Owners& owners, const std::string& value, int location);
    static void Drop(Owners& owners, const std::string& value, int location);

    std::string Password;
    std::string Version;
    std::string FiscalModule;
    int ArticleLimit;
    bool Logged = false;
    bool Printing = false;
    std::map<int, StoredArticle> Database;
    Owners NameOwners;
    Owners BarcodeOwners;
};
