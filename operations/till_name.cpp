#include "operations/till_name.h"

#include <filesystem>
#include <mutex>

#include "text/file_path.h"
#include "text/log_sink.h"
#include "tills/till_list.h"

namespace {

class Unheard : public LogSink {
public:
    void Line(const ECRString&) override {} // the list's own pages tell its faults
};

// The saved tills as last read, read again when the file changed; shown names are asked
// for every cell of a history grid.
struct NameCache {
    std::mutex Lock;
    std::string Path;
    std::filesystem::file_time_type Written;
    std::uintmax_t Size = 0;
    TillList Tills;
};

NameCache& Cache() {
    static NameCache cache;
    return cache;
}

void Refresh(NameCache& cache, const std::string& path) {
    std::error_code failed;
    const std::filesystem::path file = FileSystemPath(path);
    const auto written = std::filesystem::last_write_time(file, failed);
    const std::uintmax_t size = failed ? 0 : std::filesystem::file_size(file, failed);
    if (path == cache.Path && written == cache.Written && size == cache.Size) {
        return;
    }
    cache.Path = path;
    cache.Written = written;
    cache.Size = size;
    cache.Tills = TillList(path);
    Unheard unheard;
    cache.Tills.Load(unheard);
}

} // namespace

std::string TillDisplayName(const std::string& imageName) {
    NameCache& cache = Cache();
    const std::lock_guard<std::mutex> guard(cache.Lock);
    Refresh(cache, TillList::DefaultPath());
    const std::string name = cache.Tills.NameOfFiscalModule(imageName);
    return name.empty() ? imageName : name;
}

std::string TillImageName(const std::string& typed) {
    NameCache& cache = Cache();
    const std::lock_guard<std::mutex> guard(cache.Lock);
    Refresh(cache, TillList::DefaultPath());
    const Till* till = cache.Tills.Find(typed);
    return till != nullptr ? till->FiscalModule : std::string();
}
