#include "company/passwords.h"

#include <sodium.h>

#include <QString>
#include <stdexcept>

#include "company/installation.h"

namespace orvant::company {

namespace {

void requireSodium()
{
    if (sodium_init() < 0) throw std::runtime_error("The password library could not start.");
}

}  // namespace

std::string UserPasswordText(std::string_view typed)
{
    return QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size())).toUpper().toStdString();
}

std::string HashPassword(std::string_view password)
{
    requireSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("Not enough memory to protect the password.");
    return hash;
}

bool PasswordMatches(std::string_view storedHash, std::string_view typed)
{
    if (storedHash.empty()) return false;
    requireSodium();
    const std::string stored(storedHash);
    return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

void CheckPasswordLength(std::string_view password)
{
    const auto characters = QString::fromUtf8(password.data(), static_cast<qsizetype>(password.size())).size();
    if (characters == 0) throw SetupError("A password cannot be empty.");
    if (characters > kPasswordLength) throw SetupError("A password holds at most " + std::to_string(kPasswordLength) + " characters.");
}

}  // namespace orvant::company
