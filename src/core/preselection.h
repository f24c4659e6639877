#pragma once

#include <QString>

// The part of a name the name box preselects, so that typing replaces just that part.
struct Selection {
    int debut = 0;
    int longueur = 0;
};

enum class RegleSelection { Optimale, ListeIncrementee, Personnalisee };

// The rules: Optimale selects everything but the extension and the mark; ListeIncrementee
// the text after the number and the link string; Personnalisee counts debutSelection
// characters from the start (from the end when negative) and leaves finSelection characters
// unselected at the end (a negative finSelection is the selected length, "00" places the
// caret only). The result may fall outside the name: the name box ignores what it cannot
// apply.
Selection Preselection(const QString& nom, RegleSelection regle, const QString& chaineLiaison,
                       const QString& debutSelection, const QString& finSelection);

// The link string spelled out for a message: "espace / tiret bas / espace".
QString DecrireLiaison(const QString& chaineLiaison);

// Whether a typed start or end of the custom rule is a number ("-7", "00", "2").
bool EstNombre(const QString& texte);
