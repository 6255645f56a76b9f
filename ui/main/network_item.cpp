#include "ui/main/network_item.h"

#include <QComboBox>

#include "ui/main/network_ports.h"
#include "ui/main/port_list.h"

const char* const AddressNotKeptText = "Mrezna adresa nije zapamcena: fajl nije moguce snimiti";

NetworkChoice ChooseNetworkItem(QComboBox* box, QString before,
                                const std::function<QString()>& askAddress,
                                const QString& linkFolder) {
    const QString address = askAddress ? askAddress() : QString();
    if (address.isEmpty()) {
        if (!SelectItem(box, before)) {
            box->setCurrentIndex(0);
        }
        return NetworkChoice::Cancelled;
    }
    const bool kept = RememberAddress(address);
    QStringList addresses = RememberedAddresses();
    if (!addresses.contains(address)) {
        addresses.prepend(address); // offered for this session at least
    }
    FillPortBox(box, SystemPorts(linkFolder), addresses);
    SelectItem(box, address);
    return kept ? NetworkChoice::Chosen : NetworkChoice::NotKept;
}
