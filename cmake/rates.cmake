# quorvane-rates, beside the program: shows the rate table and brings it up to
# date with newer daily rates. Its network code is a library of its own, which
# the window never calls (the window links Qt Network through the core library).
add_library(quorvane_rates STATIC
  ${CMAKE_SOURCE_DIR}/src/rates/RateDownload.cpp ${CMAKE_SOURCE_DIR}/src/rates/RateDownload.h
  ${CMAKE_SOURCE_DIR}/src/rates/RatesCommand.cpp ${CMAKE_SOURCE_DIR}/src/rates/RatesCommand.h)
target_link_libraries(quorvane_rates PUBLIC quorvane_core Qt6::Network)

add_executable(quorvane-rates ${CMAKE_SOURCE_DIR}/src/rates_main.cpp)
target_link_libraries(quorvane-rates PRIVATE quorvane_rates)
set_target_properties(quorvane-rates PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORVANE_PROGRAM_DIR})
list(APPEND QUORVANE_PROGRAM_TARGETS quorvane-rates)
