#pragma once

#include <string>

// The register's password: the first line of the password file when one is given, else
// $TALON_PASSWORD, else the register's factory password. False with a reason when the
// file cannot be read.
bool ReadPassword(const std::string& passwordFile, std::string& password, std::string& failure);
