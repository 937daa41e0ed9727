// The page classes in page-number order; the compiler checks each against its number.
#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "menu/ClearPage.h"
#include "menu/ConnectionFailPage.h"
#include "menu/ConnectionPage.h"
#include "menu/ControlsPage.h"
#include "menu/CountryPage.h"
#include "menu/CreatePlayerPage.h"
#include "menu/DeletePage.h"
#include "menu/ExitPage.h"
#include "menu/FinalPage.h"
#include "menu/HelpPage.h"
#include "menu/HighScorePage.h"
#include "menu/LastPage.h"
#include "menu/LoadPage.h"
#include "menu/LosePage.h"
#include "menu/MainPage.h"
#include "menu/Menu.h"
#include "menu/OptionsPage.h"
#include "menu/PausePage.h"
#include "menu/PlayersPage.h"
#include "menu/RestartPage.h"
#include "menu/SendHighScorePage.h"
#include "menu/SoundPage.h"
#include "menu/StageCompletePage.h"
#include "menu/StoryPage.h"
#include "menu/ViewPage.h"

using TPageTable =
    std::tuple<TMainPage, TExitPage, TOptionsPage, TViewPage, TSoundPage, TControlsPage, TPlayersPage,
               TCreatePlayerPage, TDeletePage, THighScorePage, TClearPage, THelpPage, TLastPage, TRestartPage,
               TPausePage, TStageCompletePage, TLoadPage, TLosePage, TStoryPage, TFinalPage, TCountryPage,
               TSendHighScorePage, TConnectionPage, TConnectionFailPage>;

template <size_t Number> using TPageType = std::tuple_element_t<Number, TPageTable>;

template <size_t... Numbers> constexpr bool PageNumbersMatch(std::index_sequence<Numbers...>) {
    return ((TPageType<Numbers>::Number == static_cast<int>(Numbers)) && ...);
}

static_assert(std::tuple_size_v<TPageTable> == PAGE_COUNT, "one class per page number");
static_assert(PageNumbersMatch(std::make_index_sequence<PAGE_COUNT>()), "page classes out of page order");

// The page of that number with its own class, for pages that call one another.
template <size_t Number> TPageType<Number>& PageOf(TMenu& menu) {
    return static_cast<TPageType<Number>&>(menu.PageAt(Number));
}
