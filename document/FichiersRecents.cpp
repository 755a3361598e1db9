#include "FichiersRecents.h"

#include "NomFichier.h"
#include "disque/LectureFichier.h"

#include <QSettings>

namespace
{
const QString kCle = QStringLiteral("fichiersRecents");

QSettings Reglages()
{
    return QSettings(QStringLiteral("vexal"), QStringLiteral("vexal"));
}

// Kept as bytes: a settings file holds text, which a name that is not UTF-8 would not survive.
QStringList Lus()
{
    QStringList oNoms;
    for (const QVariant& oNom : Reglages().value(kCle).toList())
        oNoms << NomFichier::DepuisOctets(oNom.toByteArray());
    return oNoms;
}
}

namespace FichiersRecents
{
QStringList Liste()
{
    QStringList oNoms = Lus();
    oNoms.removeIf([](const QString& oNom) { return !EmpreinteDe(NomFichier::Octets(oNom).constData()).mbExiste; });
    return oNoms.mid(0, kNombre);
}

void Noter(const QString& oNom)
{
    const QString oAbsolu = NomFichier::Canonique(oNom);
    QStringList oNoms = Lus();
    oNoms.removeAll(oAbsolu);
    oNoms.prepend(oAbsolu);
    QVariantList oOctets;
    for (const QString& oNom : oNoms.mid(0, kNombre))
        oOctets << NomFichier::Octets(oNom);
    Reglages().setValue(kCle, oOctets);
}
}
