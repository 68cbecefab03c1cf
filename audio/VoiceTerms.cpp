#include "audio/VoiceTerms.h"

#include <cstring>

const std::array<const char*, VOICE_TERM_COUNT> VoiceTermNames{
    // 0-63: the bids in ladder order.
    "18", "20", "22", "23", "24", "27", "30", "33", "35", "36", "40", "44", "45", "46", "48", "50",
    "54", "55", "59", "60", "63", "66", "70", "72", "77", "80", "81", "84", "88", "90", "92", "96",
    "99", "100", "108", "110", "117", "120", "121", "126", "130", "132", "135", "140", "143", "144",
    "150", "153", "154", "156", "160", "162", "165", "168", "170", "176", "180", "187", "192", "198",
    "204", "216", "240", "264",
    // 64-79: the suit games.
    "Clubs", "ClubsHand", "ClubsOuvert", "ClubsHandOuvert", "Spades", "SpadesHand", "SpadesOuvert",
    "SpadesHandOuvert", "Hearts", "HeartsHand", "HeartsOuvert", "HeartsHandOuvert", "Diamonds",
    "DiamondsHand", "DiamondsOuvert", "DiamondsHandOuvert",
    // 80-129: Null, Revolution and Grand, the words of the auction and the play, the cards' names.
    "Null", "NullHand", "NullOuvert", "NullOuvertHand", "Revolution", "Grand", "GrandHand",
    "GrandOuvert", "GrandHandOuvert", "RamschNoOneBids", "SchneiderAnnounced", "SchwarzAnnounced",
    "Pass", "GamePassedOut", "More", "HaveYouMore", "Yes", "IHave", "Away", "IAmAway", "AlsoAway",
    "YourGame", "SaySomething", "IHearMore", "IHaveNothing", "Kontra", "Rekontra", "TheRestForMe",
    "IGiveUpGame", "Schneider", "Schwarz", "Ramsch", "Durchmarsch", "Jungfrau", "IPassOn",
    "IPickUpSkat", "IAmClean", "Welcome", "Ace", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen",
    "King", "OfClubs", "OfSpades", "OfHearts", "OfDiamonds",
};

// A bid from 22 to 187 that does not end in 0 is said by its last digit.
const std::array<const char*, VOICE_TERM_COUNT> VoiceShortNames{
    "", "", "2", "3", "4", "7", "", "3", "5", "6", "", "4", "5", "6", "8", "",
    "4", "5", "9", "", "3", "6", "", "2", "7", "", "1", "4", "8", "", "2", "6",
    "9", "", "8", "", "7", "", "1", "6", "", "2", "5", "", "3", "4", "", "3",
    "4", "6", "", "2", "5", "8", "", "6", "", "7", "", "", "", "", "", "",
    // 64-118: the games and the words, none said by a digit.
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "", "", "", "", "", "",
    // 119-129: "Seven" and the suits of a card.
    "7", "", "", "", "", "", "", "Clubs", "Spades", "Hearts", "Diamonds",
};

const std::array<const char*, VOICE_LANGUAGE_COUNT> LanguageFolders{"ge\\", "en\\"};
const std::array<const char*, VOICE_SPEAKER_COUNT> VoiceFolders{"voice1\\", "voice2\\", "voice3\\",
                                                                "voice4\\", "voice5\\", "voice6\\"};

namespace {

bool IsTerm(int term) { return term >= 0 && term < VOICE_TERM_COUNT; }

// The bid term that first has this digit as its short form ("7" is 27, term 5).
int DigitOwner(const char* digit) {
    for (int term = 0; term < 64; ++term)
        if (std::strcmp(VoiceShortNames[static_cast<std::size_t>(term)], digit) == 0) return term;
    return -1;
}

constexpr std::array<const char*, 10> kGermanDigits{"null", "eins", "zwo", "drei", "vier",
                                                    "fünf", "sechs", "sieben", "acht", "neun"};
constexpr std::array<const char*, 10> kEnglishDigits{"zero", "one", "two",   "three", "four",
                                                     "five", "six", "seven", "eight", "nine"};

// The suit words and the game words; the synthesizer misreads the French "ouvert" and "Grand" in
// both languages and the German game words in English, so they are respelled as they sound.
constexpr std::array<const char*, 4> kGermanSuits{"Kreuz", "Pik", "Herz", "Karo"};
constexpr std::array<const char*, 4> kEnglishSuits{"Clubs", "Spades", "Hearts", "Diamonds"};

struct WordTexts {
    int term;
    const char* german;
    const char* english;
};

constexpr WordTexts kWords[] = {
    {80, "Null", "Nool"},
    {81, "Null Hand", "Nool Hand"},
    {82, "Null uwähr", "Nool oovair"},
    {83, "Null uwähr Hand", "Nool oovair Hand"},
    {84, "Revolution", "Revolution"},
    {85, "Grand", "Grong"},
    {86, "Grand Hand", "Grong Hand"},
    {87, "Grand uwähr", "Grong oovair"},
    {88, "Grand Hand uwähr", "Grong Hand oovair"},
    {89, "Keiner reizt, Ramsch", "No one bids, Rahmsh"},
    {90, "Schneider angesagt", "Shnyder announced"},
    {91, "Schwarz angesagt", "Shvarts announced"},
    {92, "Passe", "Pass"},
    {93, "Eingepasst", "Passed out"},
    {94, "Weiter", "More"},
    {95, "Hast du mehr?", "Have you more?"},
    {96, "Ja", "Yes"},
    {97, "Hab ich", "I have"},
    {98, "Weg", "Away"},
    {99, "Ich bin weg", "I am away"},
    {100, "Auch weg", "Also away"},
    {101, "Dein Spiel", "Your game"},
    {102, "Sag was", "Say something"},
    {103, "Ich höre", "I hear more"},
    {104, "Ich hab nichts", "I have nothing"},
    {105, "Kontra", "Contra"},
    {106, "Re", "Ree contra"},
    {107, "Der Rest ist meiner", "The rest is mine"},
    {108, "Ich gebe das Spiel auf", "I give up the game"},
    {109, "Schneider", "Shnyder"},
    {110, "Schwarz", "Shvarts"},
    {111, "Ramsch", "Rahmsh"},
    {112, "Durchmarsch", "Doorkh marsh"},
    {113, "Jungfrau", "Yoong frow"},
    {114, "Ich schiebe", "I pass it on"},
    {115, "Ich nehme den Skat", "I pick up the skat"},
    {116, "Ich bin sauber", "I am clean"},
    {117, "Herzlich willkommen", "Welcome"},
    {118, "Ass", "Ace"},
    {122, "Zehn", "Ten"},
    {123, "Bube", "Jack"},
    {124, "Dame", "Queen"},
    {125, "König", "King"},
    {126, "", "of Clubs"},
    {127, "", "of Spades"},
    {128, "", "of Hearts"},
    {129, "", "of Diamonds"},
};

}  // namespace

const char* GetVoiceTermName(int term) { return IsTerm(term) ? VoiceTermNames[static_cast<std::size_t>(term)] : ""; }

const char* GetVoiceShortName(int term) {
    return IsTerm(term) ? VoiceShortNames[static_cast<std::size_t>(term)] : "";
}

int VoiceClipOwner(int term, int language) {
    if (!IsTerm(term) || language < 0 || language >= VOICE_LANGUAGE_COUNT) return -1;
    // The bids with a short form say their digit.
    if (term < 64 && GetVoiceShortName(term)[0] != '\0') return DigitOwner(GetVoiceShortName(term));
    // "Seven", "Eight", "Nine" are the digits 7, 8 and 9.
    if (term == TERM_SEVEN) return DigitOwner("7");
    if (term == TERM_EIGHT) return DigitOwner("8");
    if (term == TERM_NINE) return DigitOwner("9");
    // The German edition names a card's suit with the suit game's word.
    if (term >= TERM_OF_CLUBS && language == 0) return TERM_CLUBS + 4 * (term - TERM_OF_CLUBS);
    return term;
}

std::string VoiceClipText(int term, int language) {
    if (VoiceClipOwner(term, language) != term) return {};
    const bool german = language == 0;
    // Step 1: the bids, a digit or the whole number.
    if (term < 64) {
        const char* digit = GetVoiceShortName(term);
        if (digit[0] != '\0') {
            const auto index = static_cast<std::size_t>(digit[0] - '0');
            return german ? kGermanDigits[index] : kEnglishDigits[index];
        }
        return GetVoiceTermName(term);
    }
    // Step 2: the suit games, the suit word with Hand and Ouvert.
    if (term < TERM_NULL) {
        const int suit = (term - TERM_CLUBS) / 4;
        const int kind = (term - TERM_CLUBS) % 4;
        std::string text = german ? kGermanSuits[static_cast<std::size_t>(suit)]
                                  : kEnglishSuits[static_cast<std::size_t>(suit)];
        if (kind & 1) text += " Hand";
        if (kind & 2) text += german ? " uwähr" : " oovair";
        return text;
    }
    // Step 3: the words.
    for (const WordTexts& word : kWords)
        if (word.term == term) return german ? word.german : word.english;
    return {};
}
