#include "NomFichier.h"

#include "disque/Chemins.h"

namespace
{
constexpr char16_t kOctetEchappe = 0xDC00;

// The length of the valid UTF-8 sequence at nDebut, or 0 when its bytes are not one.
int LongueurUtf8(const QByteArray& oOctets, qsizetype nDebut)
{
    const auto Octet = [&](qsizetype n) { return static_cast<unsigned char>(oOctets[n]); };
    const unsigned char nTete = Octet(nDebut);
    // Leading byte, smallest code point (no overlong form) and the length it announces.
    int nLongueur = 0;
    char32_t nMinimum = 0;
    char32_t nPoint = 0;
    if (nTete < 0x80)
        return 1;
    if (nTete >= 0xC2 && nTete <= 0xDF)
        nLongueur = 2, nMinimum = 0x80, nPoint = nTete & 0x1F;
    else if (nTete >= 0xE0 && nTete <= 0xEF)
        nLongueur = 3, nMinimum = 0x800, nPoint = nTete & 0x0F;
    else if (nTete >= 0xF0 && nTete <= 0xF4)
        nLongueur = 4, nMinimum = 0x10000, nPoint = nTete & 0x07;
    else
        return 0;
    if (nDebut + nLongueur > oOctets.size())
        return 0;
    for (int n = 1; n < nLongueur; ++n)
    {
        if ((Octet(nDebut + n) & 0xC0) != 0x80)
            return 0;
        nPoint = (nPoint << 6) | (Octet(nDebut + n) & 0x3F);
    }
    const bool bSubstitut = nPoint >= 0xD800 && nPoint <= 0xDFFF;
    return nPoint < nMinimum || nPoint > 0x10FFFF || bSubstitut ? 0 : nLongueur;
}
}

namespace NomFichier
{
QString DepuisOctets(const QByteArray& oOctets)
{
    QString oNom;
    qsizetype nDebutValide = 0;
    qsizetype n = 0;
    while (n < oOctets.size())
    {
        const int nLongueur = LongueurUtf8(oOctets, n);
        if (nLongueur > 0)
        {
            n += nLongueur;
            continue;
        }
        oNom += QString::fromUtf8(oOctets.constData() + nDebutValide, n - nDebutValide);
        oNom += QChar(kOctetEchappe | static_cast<unsigned char>(oOctets[n]));
        nDebutValide = ++n;
    }
    return oNom + QString::fromUtf8(oOctets.constData() + nDebutValide, n - nDebutValide);
}

QByteArray Octets(const QString& oNom)
{
    QByteArray oOctets;
    qsizetype nDebutTexte = 0;
    for (qsizetype n = 0; n < oNom.size(); ++n)
    {
        const char16_t nUnite = oNom[n].unicode();
        // Only a low surrogate with no high one before it carries a byte.
        const bool bApresHaut = n > 0 && oNom[n - 1].isHighSurrogate();
        if (nUnite < 0xDC80 || nUnite > 0xDCFF || bApresHaut)
            continue;
        oOctets += oNom.mid(nDebutTexte, n - nDebutTexte).toUtf8();
        oOctets += static_cast<char>(nUnite & 0xFF);
        nDebutTexte = n + 1;
    }
    return oOctets + oNom.mid(nDebutTexte).toUtf8();
}

QString Canonique(const QString& oNom)
{
    if (oNom.isEmpty())
        return oNom;
    return DepuisOctets(QByteArray::fromStdString(CheminCanonique(Octets(oNom).toStdString())));
}
}
