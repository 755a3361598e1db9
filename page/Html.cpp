#include "Html.h"

namespace Html
{
std::string Echapper(const QString& oTexte)
{
    const QByteArray oUtf8 = oTexte.toUtf8();
    std::string oEchappe;
    oEchappe.reserve(static_cast<std::size_t>(oUtf8.size()));
    for (const char oOctet : oUtf8)
    {
        switch (oOctet)
        {
        case '&':
            oEchappe += "&amp;";
            break;
        case '<':
            oEchappe += "&lt;";
            break;
        case '>':
            oEchappe += "&gt;";
            break;
        case '"':
            oEchappe += "&quot;";
            break;
        case '\'':
            oEchappe += "&#39;";
            break;
        default:
            oEchappe += oOctet;
        }
    }
    return oEchappe;
}

std::string Element(const char* oBalise, const QString& oTexte, const char* oAttributs)
{
    std::string oElement = std::string("<") + oBalise;
    if (oAttributs != nullptr)
        oElement += std::string(" ") + oAttributs;
    return oElement + ">" + Echapper(oTexte) + "</" + oBalise + ">";
}
}
