// How one rikishi looks: his skin, his build, his mawashi and his topknot,
// fixed by his portrait number so that every picture of him agrees.
#pragma once

#include <QColor>

namespace kelmar::pictures {

enum class Topknot { Ginkgo, Small, Tall };

struct Look {
    QColor skin;
    QColor mawashi;
    QColor hair;
    double girth = 0.5;  // 0 lean, 1 heaviest
    Topknot topknot = Topknot::Ginkgo;
    bool heavyBrows = false;
    bool sideburns = false;
    bool kneeTape = false;
};

// The look of portrait number n (1 and up). Distinct for the numbers of the
// sheet: the mawashi colour, skin and build change with different strides.
Look LookFor(int portraitNumber);

}  // namespace kelmar::pictures
