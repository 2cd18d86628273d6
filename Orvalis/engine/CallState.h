// The state of the call in progress and the working values of the tariff
// engine, as every pricing procedure reads and writes them. Money is single
// precision and never rounded in computation.
#pragma once

#include <QTime>

#include <array>
#include <cstdint>

struct CallState {
    bool EnCours = false;
    // Time of day at which the call started.
    QTime HeureDebut;
    float DureeSecondes = 0.f;
    float TotalAuDebut = 0.f;
    float CoutAppel = 0.f;
    // 0 = time credit (connection charge of a premium number), 1 = part at
    // full rate, 2 = part at the reduced rate.
    std::array<float, 3> PartsCout{};
    std::array<float, 3> Unites{};
    // Weighted seconds of a Temporalis call by length slice.
    std::array<float, 5> SecondesTemporalis{};
    // 1 at full rate, 2 in the reduced-rate hours.
    std::int16_t DiviseurReduit = 1;
    bool PlageForfaitLocal = false;
    bool PlageLibreAcces = false;
    // 22:00 to 08:00, the hours of Primaliste Internet.
    bool PlageNuit = false;
    // Seconds of time credit and price per second of the band in force; both
    // outlive a call.
    float CreditEnCours = 0.f;
    float PrixSeconde = 0.f;
};
