kestrova_test(bmp_test
  SOURCES bmp_test.cpp
  LIBS kestrova_bmp kestrova_testing)
