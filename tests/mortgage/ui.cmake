foreach(name window keys)
  pecunex_qtest(test_mortgage_${name} SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_mortgage_${name}.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MortgageTestSupport.h LIBS pecunex_mortgage_ui)
endforeach()
