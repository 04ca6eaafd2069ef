# The libFuzzer targets: one per file reader, one for the batch report's command line. The
# only list: the fuzz build (make fuzz) and the corpus replay of the test suite both read it.
set(PECUNEX_FUZZ_TARGETS fuzz_seq_reader fuzz_loan_file fuzz_settings fuzz_networth_file fuzz_budget_file fuzz_goal_file
    fuzz_compare_file fuzz_history_file fuzz_actual_file fuzz_command_line fuzz_bank_qif fuzz_bank_csv)
set(PECUNEX_FUZZ_LIBS pecunex_history_core pecunex_actual_core pecunex_compare_core pecunex_mortgage_core pecunex_networth_core pecunex_budget_core pecunex_goal_core
    pecunex_savings_core pecunex_graphs_core actual_import pecunex_common)
# The report's option table is a header beside the report's main.
set(PECUNEX_FUZZ_INCLUDES ${CMAKE_CURRENT_LIST_DIR}/../app)
