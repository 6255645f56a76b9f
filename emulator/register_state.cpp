#include "emulator/register_state.h"

#include "emulator/register_codes.h"

namespace {
constexpr int KorvalLimit = 1400;
constexpr int DefaultLimit = 2400;
// "КОРВАЛ ТАЛОН СР" in Windows-1251: the model with the smaller database.
constexpr char KorvalVersion[] = "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0";
} // namespace

RegisterState::RegisterState(const EmulatorOptions& options)
    : Password(options.Password), Version(options.Version), FiscalModule(options.FiscalModule),
      ArticleLimit(options.ArticleLimit) {}

int RegisterState::LogIn(const std::string& password) {
    Logged = password == Password;
    return Logged ? RegisterCode::Ok : RegisterCode::WrongPassword;
}

int RegisterState::Limit() const {
    if (ArticleLimit > 0) {
        return ArticleLimit;
    }
    return Version == KorvalVersion ? KorvalLimit : DefaultLimit;
}

bool RegisterState::HeldElsewhere(const Owners& owners, const std::string& value, int location) {
    const auto [first, last] = owners.equal_range(value);
    for (auto it = first; it != last; ++it) {
        if (it->second != location) {
            return true;
        }
    }
    return false;
}

void RegisterState::Drop(Owners& owners, const std::string& value, int location) {
    const auto [first, last] = owners.equal_range(value);
    for (auto it = first; it != last; ++it) {
        if (it->second == location) {
            owners.erase(it);
            return;
        }
    }
}

void RegisterState::Put(int location, const StoredArticle& article) {
    Erase(location);
    Database[location] = article;
    NameOwners.emplace(article.Name, location);
    BarcodeOwners.emplace(article.Barcode, location);
}

void RegisterState::Clear() {
    Database.clear();
    NameOwners.clear();
    BarcodeOwners.clear();
}

int RegisterState::Write(int location, const StoredArticle& article) {
    if (location < 1 || location >= Limit()) {
        return RegisterCode::WrongLocation;
    }
    if (article.Name.empty()) {
        return RegisterCode::NoName;
    }
    if (article.PriceHundredths <= 0) {
        return RegisterCode::ZeroPrice;
    }
    // An article without a barcode is sold by its key or number, so empty ones never clash.
    if (!article.Barcode.empty() && HeldElsewhere(BarcodeOwners, article.Barcode, location)) {
        return RegisterCode::BarcodeNotUnique;
    }
    if (HeldElsewhere(NameOwners, article.Name, location)) {
        return RegisterCode::NameNotUnique;
    }
    Put(location, article);
    return RegisterCode::Ok;
}

int RegisterState::Erase(int location) {
    const auto found = Database.find(location);
    if (found == Database.end()) {
        return RegisterCode::NotProgrammed;
    }
    Drop(NameOwners, found->second.Name, location);
    Drop(BarcodeOwners, found->second.Barcode, location);
    Database.erase(found);
    return RegisterCode::Ok;
}

int RegisterState::NextAfter(int location) const {
    const auto next = Database.upper_bound(location);
    return next == Database.end() ? 0 : next->first;
}
