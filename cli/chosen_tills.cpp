#include "cli/chosen_tills.h"

#include <algorithm>
#include <set>

#include "cli/cli_options.h"
#include "operations/till_target.h"
#include "tills/till_list.h"

namespace {

bool Named(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A port opened twice would fail the second time, after the first had begun its work.
std::string SharedPort(const CliOptions& options, const std::vector<Till>& chosen) {
    std::set<std::string> ports(options.Ports.begin(), options.Ports.end());
    for (const Till& till : chosen) {
        if (till.Port != EmulatorPort && !ports.insert(till.Port).second) {
            return "isti port je naveden dva puta: " + till.Port;
        }
    }
    return {};
}

} // namespace

bool ChooseTills(const CliOptions& options, const TillList& list, std::vector<Till>& chosen,
                 std::string& failure) {
    chosen.clear();
    for (const std::string& name : options.Registers) {
        const Till* till = list.Find(name);
        if (till == nullptr) {
            failure = "Kasa \"" + name + "\" nije sacuvana";
            return false;
        }
        chosen.push_back(*till);
    }
    if (options.AllTills) {
        const std::size_t named = chosen.size();
        for (const Till& till : list.Tills()) {
            if (till.Enabled && !Named(options.Registers, till.Name)) {
                chosen.push_back(till);
            }
        }
        if (chosen.size() == named && options.Registers.empty()) {
            failure = "Nijedna sacuvana kasa nije ukljucena (" + list.Path() + ")";
            return false;
        }
    }
    failure = SharedPort(options, chosen);
    return failure.empty();
}
