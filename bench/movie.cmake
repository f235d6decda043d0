# Time per frame of the movie player (playback and drawing) on the sample
# movies and the reference corpus, at the preview's size and at 1920x1080.
find_package(benchmark REQUIRED)
add_executable(movie_bench ${CMAKE_CURRENT_LIST_DIR}/movie_bench.cpp)
target_link_libraries(movie_bench PRIVATE kestrova_player kestrova_sample_movies
                      benchmark::benchmark)
set(movie_bench_corpus "${CMAKE_SOURCE_DIR}/../shared/corpus/swf")
if(NOT EXISTS ${movie_bench_corpus})
  set(movie_bench_corpus "${CMAKE_SOURCE_DIR}/../../shared/corpus/swf")
endif()
target_compile_definitions(movie_bench PRIVATE KESTROVA_SWF_CORPUS="${movie_bench_corpus}")
