# The libFuzzer targets, one per file reader. The only list: the fuzz build (make fuzz) and
# the corpus replay of the test suite both read it.
set(PECUNEX_FUZZ_TARGETS fuzz_seq_reader fuzz_loan_file fuzz_settings fuzz_networth_file fuzz_budget_file)
set(PECUNEX_FUZZ_LIBS pecunex_mortgage_core pecunex_networth_core pecunex_budget_core pecunex_common)
