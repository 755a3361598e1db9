#ifndef VEXAL_MODEL_DEMON_H
#define VEXAL_MODEL_DEMON_H

#include "model/Personnage.h"

// A demon starts with 80 PA and buys from the demons' catalogue.
class Demon : public Personnage
{
public:
    Demon();

    int GetBL() const override;
};

#endif
