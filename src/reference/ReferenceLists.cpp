#include "reference/ReferenceLists.h"

#include "document/Text.h"

namespace drovan {
namespace {

// Municipality rows end with one blank, except 200, 206, 221, 223, 303, 304, 325, 340, 432, 515,
// 541, 562, 592 and 997. Collection district rows are filled to 43 characters, except 09, 31 and
// 47. Both quirks are kept because whole rows are compared and names are cut untrimmed.

constexpr std::string_view kRegionalDistrictRows[] = {
    "01 ALBERNI-CLAYOQUOT",
    "02 BULKLEY-NECHAKO",
    "03 CAPITAL",
    "04 CARIBOO",
    "05 FRASER VALLEY",
    "06 CENTRAL KOOTENAY",
    "07 CENTRAL OKANAGAN",
    "08 COLUMBIA-SHUSWAP",
    "09 COMOX VALLEY",
    "10 COWICHAN VALLEY",
    "11 DEWDNEY-ALOUETTE",
    "12 EAST KOOTENAY",
    "13 FRASER CHEAM",
    "14 FRASER-FORT GEORGE",
    "15 GREATER VANCOUVER",
    "16 KOOTENAY BOUNDARY",
    "17 MOUNT WADDINGTON",
    "18 NANAIMO",
    "19 NORTH OKANAGAN",
    "20 CENTRAL COAST",
    "21 OKANAGAN-SIMILKAMEEN",
    "22 PEACE RIVER",
    "23 POWELL RIVER",
    "24 SKEENA Q. CHARLOTTE",
    "25 KITIMAT-STIKINE",
    "26 SQUAMISH-LILLOOET",
    "27 SUNSHINE COAST",
    "28 THOMPSON-NICOLA",
    "29 STIKINE",
    "31 STRATHCONA",
    "32 OKANAGAN-KOOTENAY SIR",
};

constexpr std::string_view kMunicipalityRows[] = {
    "200 VANCOUVER",
    "201 CASTLEGAR ",
    "202 ARMSTRONG ",
    "204 COURTENAY ",
    "205 CRANBROOK ",
    "206 DAWSON CREEK",
    "207 DUNCAN ",
    "208 ENDERBY ",
    "209 FERNIE ",
    "210 GRAND FORKS ",
    "211 GREENWOOD ",
    "212 KAMLOOPS ",
    "213 COLWOOD ",
    "215 KIMBERLEY ",
    "216 LANGLEY CITY ",
    "217 KELOWNA 214/217 ",
    "219 NELSON ",
    "220 NEW WESTMINSTER ",
    "221 NORTH VANCOUVER CITY",
    "222 PENTICTON ",
    "223 PORT ALBERNI",
    "224 PORT COQUITLAM ",
    "225 PORT MOODY ",
    "226 PRINCE GEORGE ",
    "227 PRINCE RUPERT ",
    "228 REVELSTOKE 228/230 ",
    "229 ROSSLAND ",
    "232 TRAIL ",
    "233 VERNON ",
    "234 VICTORIA ",
    "236 WHITE ROCK ",
    "250 NANAIMO 218/250 ",
    "301 BURNABY ",
    "302 CENTRAL SAANICH ",
    "303 CHILLIWACK",
    "304 COLDSTREAM",
    "305 COQUITLAM ",
    "306 DELTA ",
    "307 ESQUIMALT ",
    "308 SAANICH 308/309/389 ",
    "310 KENT ",
    "311 LANGLEY TOWNSHIP ",
    "312 MAPLE RIDGE ",
    "313 SEE ABBOTSFORD 324 ",
    "314 MISSION ",
    "315 NORTH COWICHAN ",
    "316 NORTH VANCOUVER DIST ",
    "317 OAK BAY ",
    "318 PEACHLAND ",
    "319 PITT MEADOWS ",
    "320 RICHMOND ",
    "321 BOWEN ISLAND ",
    "322 SALMON ARM ",
    "323 SPALLUMCHEEN ",
    "324 ABBOTSFORD 313/324 ",
    "325 SUMMERLAND",
    "326 SURREY ",
    "327 LANGFORD ",
    "328 WEST VANCOUVER ",
    "329 KITIMAT ",
    "330 POWELL RIVER ",
    "331 LAKE COUNTRY DIST ",
    "332 NORTH SAANICH ",
    "333 HUDSON'S HOPE ",
    "334 PORT HARDY ",
    "335 MACKENZIE ",
    "336 CAMPBELL RIVER ",
    "337 SPARWOOD ",
    "338 SQUAMISH ",
    "339 TERRACE ",
    "340 STEWART",
    "341 HOUSTON ",
    "342 NEW HAZELTON ",
    "343 TUMBLER RIDGE ",
    "344 METCHOSIN ",
    "345 BARRIERE ",
    "346 SIGD 346/347 ",
    "348 SICAMOUS ",
    "349 SOOKE ",
    "350 LANTZVILLE 350/351 ",
    "352 CLEARWATER ",
    "362 HIGHLANDS361/362/363 ",
    "364 WESTSIDE ",
    "390 WHISTLER ",
    "391 WELLS ",
    "401 VIEW ROYAL 401/402 ",
    "412 COMOX ",
    "413 CRESTON ",
    "420 FORT ST JOHN ",
    "426 GOLDEN ",
    "432 HOPE",
    "445 LADYSMITH ",
    "451 MERRITT ",
    "470 QUESNEL ",
    "476 SIDNEY ",
    "478 SMITHERS ",
    "492 WILLIAMS LAKE ",
    "501 ANMORE ",
    "502 ALERT BAY ",
    "503 ASHCROFT ",
    "504 BELCARRA ",
    "506 BURNS LAKE ",
    "508 CACHE CREEK ",
    "512 CHASE ",
    "514 CHETWYND ",
    "515 CLINTON",
    "516 CUMBERLAND ",
    "517 ELKFORD ",
    "518 FORT NELSON ",
    "519 FORT ST JAMES ",
    "520 FRASER LAKE ",
    "521 FRUITVALE ",
    "524 GIBSONS ",
    "525 GRANISLE ",
    "526 GOLD RIVER ",
    "527 HARRISON HOT SPRINGS ",
    "528 HAZELTON ",
    "529 QUEEN CHARLOTTE ",
    "532 INVERMERE ",
    "533 KASLO ",
    "535 KEREMEOS ",
    "537 LIONS BAY ",
    "538 LOGAN LK 534/536/538 ",
    "539 LAKE COWICHAN ",
    "540 LILLOOET ",
    "541 LUMBY",
    "542 LYTTON ",
    "545 MCBRIDE ",
    "547 MIDWAY ",
    "548 MONTROSE ",
    "549 MASSET ",
    "551 NEW DENVER ",
    "553 NAKUSP ",
    "555 OLIVER ",
    "556 OSOYOOS ",
    "557 100 MILE HOUSE ",
    "558 PORT ALICE ",
    "559 PARKSVILLE ",
    "560 PEMBERTON ",
    "561 POUCE COUPE ",
    "562 PRINCETON",
    "563 PORT MCNEILL ",
    "564 PORT EDWARD ",
    "565 QUALICUM BEACH ",
    "566 PORT CLEMENTS ",
    "567 RADIUM HOT SPRINGS ",
    "568 CANAL FLATS ",
    "569 SALMO ",
    "570 SECHELT ",
    "571 SAYWARD ",
    "572 SILVERTON ",
    "573 SLOCAN ",
    "575 TAHSIS ",
    "577 TAYLOR ",
    "578 TELKWA ",
    "580 TOFINO ",
    "583 UCLUELET ",
    "584 VALEMOUNT ",
    "585 VANDERHOOF ",
    "588 WARFIELD ",
    "592 ZEBALLOS",
    "997 PR. RUPERT 227/997",
};

constexpr std::string_view kCollectionDistrictRows[] = {
    "01 GULF ISLANDS                            ",
    "02 VICTORIA                                ",
    "03 DUNCAN                                  ",
    "04 NANAIMO                                 ",
    "05 ALBERNI                                 ",
    "06 COMOX NORTH                             ",
    "07 CAMPBELL RIVER                          ",
    "08 PORT HARDY                              ",
    "09 COMOX VALLEY",
    "10 POWELL RIVER                            ",
    "11 NEW WESTMINSTER                         ",
    "12 MAPLE RIDGE                             ",
    "13 SQUAMISH                                ",
    "14 UNIVERSITY ENDOWMENT LANDS              ",
    "15 CHILLIWACK                              ",
    "16 PENTICTON                               ",
    "17 OLIVER                                  ",
    "18 ROSSLAND                                ",
    "19 GRAND FORKS                             ",
    "20 KELOWNA                                 ",
    "21 VERNON                                  ",
    "22 REVELSTOKE                              ",
    "23 SALMON ARM                              ",
    "24 NELSON                                  ",
    "25 NAKUSP                                  ",
    "26 CRESTON                                 ",
    "27 CRANBROOK                               ",
    "28 FERNIE                                  ",
    "29 INVERMERE                               ",
    "30 GOLDEN                                  ",
    "31 STRATHCONA                        ",
    "32 LILLOOET                                ",
    "33 ASHCROFT                                ",
    "34 MERRITT                                 ",
    "35 WILLIAMS LAKE                           ",
    "36 BELLA COOLA                             ",
    "37 QUESNEL                                 ",
    "38 PRINCE RUPERT                           ",
    "39 SMITHERS                                ",
    "40 PRINCE GEORGE                           ",
    "41 DAWSON CREEK                            ",
    "42 FORT NELSON                             ",
    "43 PRINCETON                               ",
    "44 QUEEN CHARLOTTE CITY                    ",
    "45 TERRACE                                 ",
    "46 VANDERHOOF                              ",
    "47 PEACE",
};

constexpr std::string_view kJurisdictionRows[] = {
    "701 FERNIE RURAL",
    "702 CRANBROOK RURAL",
    "703 CRANBROOK RURAL",
    "704 INVERMERE RURAL",
    "707 NELSON RURAL",
    "709 TRAIL RURAL",
    "710 NAKUSP RURAL",
    "711 TRAIL RURAL",
    "712 GRAND FORKS RURAL",
    "713 GRAND FORKS RURAL",
    "714 OLIVER RURAL",
    "715 PENTICTON RURAL",
    "716 PENTICTON RURAL",
    "717 PRINCETON RURAL",
    "718 GOLDEN RURAL",
    "719 REVELSTOKE RURAL",
    "722 VERNON RURAL",
    "723 CENTRAL OKANAGAN RURAL",
    "724 KAMLOOPS RURAL",
    "726 KAMLOOPS RURAL",
    "727 WILLIAMS LAKE RURAL",
    "728 QUESNEL RURAL",
    "729 LILLOOET RURAL",
    "730 ASHCROFT RURAL",
    "731 MERRITT RURAL",
    "732 CHILLIWACK RURAL",
    "733 CHILLIWACK RURAL",
    "734 LOWER MAINLAND RURAL",
    "736 LOWER MAINLAND RURAL",
    "739 LOWER MAINLAND RURAL",
    "742 MAPLE RIDGE RURAL",
    "743 LOWER MAINLAND RURAL",
    "744 LOWER MAINLAND RURAL",
    "745 LOWER MAINLAND RURAL",
    "746 SECHELT RURAL",
    "747 POWELL RIVER RURAL",
    "748 SQUAMISH RURAL",
    "749 BELLA COOLA RURAL",
    "750 QUEEN CHARLOTTE CITY RURAL",
    "752 PRINCE RUPERT RURAL",
    "754 SMITHERS RURAL",
    "755 SMITHERS RURAL",
    "756 VANDERHOOF RURAL",
    "757 PRINCE GEORGE RURAL",
    "759 DAWSON CREEK RURAL",
    "760 FORT ST JOHN RURAL",
    "761 VICTORIA RURAL",
    "762 VICTORIA RURAL",
    "763 GULF ISLANDS RURAL",
    "764 GULF ISLANDS RURAL",
    "765 DUNCAN RURAL",
    "766 DUNCAN RURAL",
    "768 NANAIMO RURAL",
    "769 ALBERNI RURAL",
    "770 ALBERNI RURAL",
    "771 COURTENAY RURAL",
    "772 CAMPBELL RIVER RURAL",
    "775 MAPLE RIDGE RURAL",
    "776 CHILLIWACK RURAL",
    "777 PENTICTON RURAL",
    "780 TERRACE RURAL",
    "781 FORT NELSON RURAL",
    "784 COURTENAY RURAL",
    "785 PORT HARDY RURAL",
    "786 CRESTON RURAL",
    "787 DAWSON CREEK RURAL",
    "788 TERRACE RURAL",
    "789 SALMON ARM RURAL",
    "792 TERRACE RURAL",
    "799 UNIVERSITY ENDOWMENT LANDS",
};

constexpr std::string_view kCdJurCombinationRows[] = {
    "01 763", "01 764", "02 761", "02 762", "03 765", "03 766", "04 768", "05 769", "05 770",
    "06 771", "06 784", "07 772", "08 785", "09 746", "10 747", "11 734", "11 736", "11 739",
    "11 743", "11 744", "11 745", "12 742", "12 775", "13 748", "14 799", "15 732", "15 733",
    "15 776", "16 715", "16 716", "16 777", "17 714", "18 709", "18 711", "19 712", "19 713",
    "20 723", "21 722", "22 719", "23 789", "24 707", "25 710", "26 786", "27 702", "27 703",
    "28 701", "29 704", "30 718", "31 724", "31 726", "32 729", "33 730", "34 731", "35 727",
    "36 749", "37 728", "38 752", "39 754", "39 755", "40 757", "41 759", "41 787", "42 781",
    "43 717", "44 750", "45 780", "45 788", "45 792", "46 756", "47 760",
};

constexpr std::string_view kFolioMaskRows[] = {
    "701 08 #####.###",  "702 08 #####.###",  "703 08 #####.###", "704 08 #####.###",
    "707 08 #####.###",  "709 08 #####.###",  "710 08 #####.###", "711 08 #####.###",
    "712 08 #####.###",  "713 08 #####.###",  "714 08 #####.###", "715 08 #####.###",
    "716 08 #####.###",  "717 08 #####.###",  "718 08 #####.###", "719 08 #####.###",
    "722 08 #####.###",  "723 08 #####.###",  "724 08 #####.###", "726 08 #####.###",
    "727 08 #####.###",  "728 08 #####.###",  "729 08 #####.###", "730 08 #####.###",
    "731 08 #####.###",  "732 08 #####.###",  "733 08 #####.###", "734 08 #####.###",
    "736 08 #####.###",  "739 08 #####.###",  "742 08 #####.###", "743 08 #####.###",
    "744 08 #####.###",  "745 08 #####.###",  "746 08 #####.###", "747 08 #####.###",
    "748 08 #####.###",  "749 08 #####.###",  "750 08 #####.###", "752 08 #####.###",
    "754 08 #####.###",  "755 08 #####.###",  "756 08 #####.###", "757 08 #####.###",
    "759 09 ######.###", "760 09 ######.###", "761 08 #####.###", "762 08 #####.###",
    "763 08 #####.###",  "764 08 #####.###",  "765 08 #####.###", "766 08 #####.###",
    "768 08 #####.###",  "769 08 #####.###",  "770 08 #####.###", "771 08 #####.###",
    "772 08 #####.###",  "775 08 #####.###",  "776 08 #####.###", "777 08 #####.###",
    "780 08 #####.###",  "781 09 ######.###", "784 08 #####.###", "785 08 #####.###",
    "786 08 #####.###",  "787 08 #####.###",  "788 08 #####.###", "789 08 #####.###",
    "792 08 #####.###",  "799 08 #####.###",
};

std::span<const std::string_view> tableOf(ReferenceList list) {
    switch (list) {
    case ReferenceList::RegionalDistrict:
        return kRegionalDistrictRows;
    case ReferenceList::Municipality:
        return kMunicipalityRows;
    case ReferenceList::CollectionDistrict:
        return kCollectionDistrictRows;
    case ReferenceList::Jurisdiction:
        return kJurisdictionRows;
    case ReferenceList::CdJurCombination:
        return kCdJurCombinationRows;
    case ReferenceList::FolioMask:
        return kFolioMaskRows;
    }
    return {};
}

constexpr std::size_t kNameLength = 80;

} // namespace

std::span<const std::string_view> rows(ReferenceList list) {
    return tableOf(list);
}

std::size_t rowCount(ReferenceList list) {
    return tableOf(list).size();
}

std::size_t codeWidth(ReferenceList list) {
    switch (list) {
    case ReferenceList::RegionalDistrict:
    case ReferenceList::CollectionDistrict:
    case ReferenceList::CdJurCombination:
        return 2;
    case ReferenceList::Municipality:
    case ReferenceList::Jurisdiction:
    case ReferenceList::FolioMask:
        return 3;
    }
    return 3;
}

std::string_view codeOfRow(ReferenceList list, std::string_view row) {
    return leftChars(row, codeWidth(list));
}

std::string_view nameOfRow(ReferenceList list, std::string_view row) {
    const std::size_t from = codeWidth(list) + 2;
    return charsFromTo(row, from, from + kNameLength - 1);
}

std::string_view jurisdictionOfPairRow(std::string_view pairRow) {
    return charsFromTo(pairRow, 4, 6);
}

std::string_view folioPatternOfMaskRow(std::string_view maskRow) {
    return trimView(charsFromTo(maskRow, 8, 27));
}

std::optional<std::string_view> findByCode(ReferenceList list, std::string_view code) {
    for (std::string_view row : tableOf(list)) {
        if (codeOfRow(list, row) == code)
            return row;
    }
    return std::nullopt;
}

std::vector<std::string_view>
jurisdictionsOfCollectionDistrict(std::string_view collectionDistrictText) {
    const std::string_view code = leftChars(collectionDistrictText, 2);
    std::vector<std::string_view> result;
    for (std::string_view pair : kCdJurCombinationRows) {
        if (codeOfRow(ReferenceList::CdJurCombination, pair) != code)
            continue;
        const std::string_view jurisdiction = jurisdictionOfPairRow(pair);
        for (std::string_view row : kJurisdictionRows) {
            if (codeOfRow(ReferenceList::Jurisdiction, row) == jurisdiction)
                result.push_back(row);
        }
    }
    return result;
}

std::optional<std::string_view>
collectionDistrictOfJurisdiction(std::string_view jurisdictionText) {
    const std::string_view code = leftChars(jurisdictionText, 3);
    for (std::string_view pair : kCdJurCombinationRows) {
        if (jurisdictionOfPairRow(pair) == code)
            return findByCode(ReferenceList::CollectionDistrict,
                              codeOfRow(ReferenceList::CdJurCombination, pair));
    }
    return std::nullopt;
}

} // namespace drovan
