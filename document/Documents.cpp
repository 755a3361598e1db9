#include "Documents.h"

#include "DocumentPersonnage.h"

#include <algorithm>
#include <vector>

namespace
{
// Kept weakly: a document goes with the last view that holds it.
std::vector<std::weak_ptr<DocumentPersonnage>>& Ouverts()
{
    static std::vector<std::weak_ptr<DocumentPersonnage>> soOuverts;
    return soOuverts;
}
}

namespace Documents
{
std::shared_ptr<DocumentPersonnage> Nouveau()
{
    auto& oOuverts = Ouverts();
    oOuverts.erase(std::remove_if(oOuverts.begin(), oOuverts.end(), [](const auto& o) { return o.expired(); }),
                   oOuverts.end());
    auto poDocument = std::make_shared<DocumentPersonnage>();
    oOuverts.push_back(poDocument);
    return poDocument;
}

std::shared_ptr<DocumentPersonnage> Pour(const QString& oFichier)
{
    if (oFichier.isEmpty())
        return nullptr;
    for (const std::weak_ptr<DocumentPersonnage>& poOuvert : Ouverts())
    {
        std::shared_ptr<DocumentPersonnage> poDocument = poOuvert.lock();
        if (poDocument && poDocument->GetFichier() == oFichier)
            return poDocument;
    }
    return nullptr;
}
}
