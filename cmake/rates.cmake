# quorvane-rates, beside the program: shows the rate table and brings it up to
# date with newer daily rates. The command's library links the logic and Qt
# Network; the program adds the card's drawing for chart --pdf.
add_library(quorvane_rates STATIC
  ${CMAKE_SOURCE_DIR}/src/rates/RateDownload.cpp ${CMAKE_SOURCE_DIR}/src/rates/RateDownload.h
  ${CMAKE_SOURCE_DIR}/src/rates/RatesCommand.cpp ${CMAKE_SOURCE_DIR}/src/rates/RatesCommand.h)
target_link_libraries(quorvane_rates PUBLIC quorvane_logic Qt6::Network)

add_executable(quorvane-rates ${CMAKE_SOURCE_DIR}/src/rates_main.cpp)
target_link_libraries(quorvane-rates PRIVATE quorvane_rates quorvane_ui)
set_target_properties(quorvane-rates PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORVANE_PROGRAM_DIR})
list(APPEND QUORVANE_PROGRAM_TARGETS quorvane-rates)
