#pragma once

#include <QString>

#include <functional>

class QComboBox;

// Told when a chosen address could not be added to those remembered.
extern const char* const AddressNotKeptText;

enum class NetworkChoice {
    Cancelled, // no address given: the item chosen before is chosen again
    Chosen,    // the address's item is chosen and remembered for the next start
    NotKept,   // chosen, but the list of addresses could not be saved
};

// "Mrezni port..." picked in a port box: asks for an address and chooses its item, first
// among the addresses offered; `before` is what the box stood for until then (ItemIdentity),
// a copy, since refilling the box moves its choice.
NetworkChoice ChooseNetworkItem(QComboBox* box, QString before,
                                const std::function<QString()>& askAddress,
                                const QString& linkFolder);
