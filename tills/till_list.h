#pragma once

#include <string>
#include <vector>

#include "tills/till.h"

class LogSink;

// The saved tills of this user: one UTF-8 text file, one till a line (till_line.h), that
// the user may read, back up and edit. Written whole through a rename; on Linux readable
// by its owner only, since it holds passwords.
class TillList {
public:
    // "talonsendplu/tills.txt" in the user's data folder.
    static std::string DefaultPath();

    explicit TillList(std::string path = DefaultPath());

    // Reads the file afresh. Never fails: a missing file is an empty list; each line that
    // cannot be read is logged as "Kase: red N nije ispravan: RAZLOG" and left out, and
    // a file that cannot be read at all is logged too. Either way the list is then
    // Damaged and will not be saved over the file.
    void Load(LogSink& log);

    const std::string& Path() const { return FilePath; }
    const std::vector<Till>& Tills() const { return Saved; }
    // The till of that name (compared byte for byte); nullptr when none is saved.
    const Till* Find(const std::string& name) const;
    // Adds the till at the end, or puts it in the place of the one of the same name.
    void Put(const Till& till);
    // False when no till of that name is saved.
    bool Remove(const std::string& name);
    // Notes the register found at a till's last connection. True when that changed
    // something to save.
    bool RememberFiscalModule(const std::string& name, const std::string& fiscalModule);
    // The name of the first till found with this fiscal module id; empty when none.
    std::string NameOfFiscalModule(const std::string& fiscalModule) const;

    // True when Load left out a line or could not read the file.
    bool Damaged() const { return DamagedLines > 0 || Unreadable; }

    // Writes the whole list. Refused while Damaged, so that a line the user mistyped is
    // not lost: "Kase: fajl PATH nije snimljen: prvo ispravite neispravne redove".
    // False, with the reason logged, when refused or when the file cannot be written.
    bool Save(LogSink& log) const;

private:
    std::vector<Till>::const_iterator Named(const std::string& name) const;

    std::string FilePath;
    std::vector<Till> Saved;
    int DamagedLines = 0;
    bool Unreadable = false;
};
