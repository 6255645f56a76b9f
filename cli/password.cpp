#include "cli/password.h"

#include <cstdlib>
#include <fstream>

#include "text/file_path.h"

namespace {

const char* const PasswordVariable = "TALON_PASSWORD";
const char* const FactoryPassword = "7351";

} // namespace

bool ReadPassword(const std::string& passwordFile, std::string& password, std::string& failure) {
    if (passwordFile.empty()) {
        const char* fromEnvironment = std::getenv(PasswordVariable);
        password = fromEnvironment != nullptr ? fromEnvironment : FactoryPassword;
        return true;
    }
    std::ifstream file(FileSystemPath(passwordFile), std::ios::binary);
    if (!file) {
        failure = "fajl sa lozinkom " + passwordFile + " nije moguce procitati";
        return false;
    }
    std::getline(file, password);
    if (!password.empty() && password.back() == '\r') {
        password.pop_back();
    }
    return true;
}
