#include "Grade.h"

namespace
{
struct Limites
{
    float mfCaract;
    float mfTalent;
    float mfPouvoir;
    int mnPP;
};

constexpr Limites kLimites[] = {
    // Caract  Talent  Pouvoir  PP
    {5.5f,     7.5f,   2.5f,    15},  // grade 0
    {5.5f,     8.5f,   4.5f,    25},  // grade 1
    {6.5f,     9.5f,   6.5f,    40},  // grade 2
    {7.5f,     10.5f,  8.5f,    60},  // grade 3
};

constexpr Limites kHorsGrade = {0.0f, 0.0f, 0.0f, 0};

const Limites& LimitesDuGrade(int nGrade)
{
    if (nGrade < 0 || nGrade > 3)
        return kHorsGrade;
    return kLimites[nGrade];
}
}

float Grade::LimitCaractMax(int nGrade)
{
    return LimitesDuGrade(nGrade).mfCaract;
}

float Grade::LimitTalentMax(int nGrade)
{
    return LimitesDuGrade(nGrade).mfTalent;
}

float Grade::LimitPouvoirMax(int nGrade)
{
    return LimitesDuGrade(nGrade).mfPouvoir;
}

int Grade::LimitPPMax(int nGrade)
{
    return LimitesDuGrade(nGrade).mnPP;
}
