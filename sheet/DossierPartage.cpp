#include "DossierPartage.h"

#include "NomFichier.h"

#include <QSettings>

namespace
{
const QString kCle = QStringLiteral("dossierPartage");

QSettings Reglages()
{
    return QSettings(QStringLiteral("vexal"), QStringLiteral("vexal"));
}
}

namespace DossierPartage
{
// Kept as bytes: a settings file holds text, which a name that is not UTF-8 would not survive.
QString Lire()
{
    return NomFichier::DepuisOctets(Reglages().value(kCle).toByteArray());
}

void Changer(const QString& oDossier)
{
    if (oDossier.isEmpty())
        Reglages().remove(kCle);
    else
        Reglages().setValue(kCle, NomFichier::Octets(NomFichier::Canonique(oDossier)));
}
}
