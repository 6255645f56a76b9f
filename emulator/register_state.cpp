#include "emulator/register_state.h"

#include "emulator/register_codes.h"

namespace {
constexpr int KorvalLimit = 1400;
constexpr int DefaultLimit = 2400;
// "КОРВАЛ ТАЛОН СР" in Windows-1251: the model with the smaller database.
constexpr char KorvalVersion[] = "\xCA\xCE\xD0\xC2\xC0\xCB \xD2\xC0\xCB\xCE\xCD \xD1\xD0";
} // namespace

RegisterState::RegisterState(const EmulatorOptions& options)
    : Password(options.Password), Version(options.Version), ArticleLimit(options.ArticleLimit) {}

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

bool RegisterState::InUse(const std::string StoredArticle::*field, const std::string& value,
                          int location) const {
    for (const auto& [at, article] : Database) {
        if (at != location && article.*field == value) {
            return true;
        }
    }
    return false;
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
    if (!article.Barcode.empty() && InUse(&StoredArticle::Barcode, article.Barcode, location)) {
        return RegisterCode::BarcodeNotUnique;
    }
    if (InUse(&StoredArticle::Name, article.Name, location)) {
        return RegisterCode::NameNotUnique;
    }
    Database[location] = article;
    return RegisterCode::Ok;
}

int RegisterState::Erase(int location) {
    return Database.erase(location) > 0 ? RegisterCode::Ok : RegisterCode::NotProgrammed;
}

int RegisterState::NextAfter(int location) const {
    const auto next = Database.upper_bound(location);
    return next == Database.end() ? 0 : next->first;
}
