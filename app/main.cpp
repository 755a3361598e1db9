#include "LigneDeCommande.h"

int main(int argc, char** argv)
{
    return Lancer(argc, argv);
}
