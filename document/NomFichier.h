#ifndef VEXAL_DOCUMENT_NOMFICHIER_H
#define VEXAL_DOCUMENT_NOMFICHIER_H

#include <QByteArray>
#include <QString>

// A file's name is a string of bytes to the system, which need not be UTF-8. Each byte that is not part of valid
// UTF-8 is carried in the QString as a lone surrogate (U+DC80 to U+DCFF), which no valid text holds, so the name
// comes back byte for byte. Names in valid UTF-8 read as they always do.
namespace NomFichier
{
QString DepuisOctets(const QByteArray& oOctets);
QByteArray Octets(const QString& oNom);
// The name a program keeps: absolute, with every link resolved, so that two roads to one file are one name. Empty
// stays empty.
QString Canonique(const QString& oNom);
}

#endif
