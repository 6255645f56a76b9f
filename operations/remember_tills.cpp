#include "operations/remember_tills.h"

#include "text/log_sink.h"
#include "tills/till_list.h"

namespace {

// The caller's own reading of the list has told its damaged lines already.
class ToldAlready : public LogSink {
public:
    void Line(const ECRString&) override {}
};

} // namespace

void RememberFiscalModules(const std::vector<std::string>& names,
                           const std::vector<TillResult>& results, LogSink& log,
                           const std::string& tillsFile) {
    // Read afresh: the window or another command line may have changed the file meanwhile.
    TillList tills(tillsFile);
    ToldAlready told;
    tills.Load(told);
    bool changed = false;
    for (std::size_t i = 0; i < names.size() && i < results.size(); ++i) {
        changed = tills.RememberFiscalModule(names[i], results[i].FiscalModule) || changed;
    }
    if (changed) {
        tills.Save(log);
    }
}
