# The start pages: start page, example page with the recent projects, the
# global-selection strip and the new-project dialog.
target_sources(olv_ui PRIVATE
  pages/ChipChoices.cpp
  pages/ExamplePage.cpp
  pages/GlobalSelDlg.cpp
  pages/HistoryList.cpp
  pages/HomePage.cpp
  pages/ImageTipBtn.cpp
  pages/NewPrjPage.cpp
  pages/PagePicture.cpp
  pages/RecentProjects.cpp
  pages/StartPages.cpp
)

# The registration runs from a static initialiser, so it lives in an object
# library that only the program links (tests register what they need).
add_library(olv_ui_start_pages OBJECT pages/StartPagesAutoRegister.cpp)
target_link_libraries(olv_ui_start_pages PUBLIC olv_ui)

function(olv_link_start_pages)
  if(TARGET olvanta)
    target_link_libraries(olvanta PRIVATE olv_ui_start_pages)
  endif()
endfunction()
# The program's folder is configured after this one.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL olv_link_start_pages)
