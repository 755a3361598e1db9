#ifndef VEXAL_TESTS_FICHIER_OMBRES_H
#define VEXAL_TESTS_FICHIER_OMBRES_H

#include "extension/Maison.h"

#include <nlohmann/json.hpp>

#include <memory>

// The extension of a campaign in Paris, as its file holds it: a demon superior, a general talent with its speciality,
// a language, a power open to the demons, one reserved to the house's superior, and one open to both sides.
nlohmann::ordered_json ExtensionOmbres();
// Its house, installed alone; oJson may be another revision of it.
std::shared_ptr<const Maison> MaisonOmbres(const nlohmann::ordered_json& oJson = ExtensionOmbres());

#endif
