-- SPDX-License-Identifier: GPL-3.0-or-later
-- Sets up or brings up to date Dravex's company store in the database psql is connected to:
--   psql -v ON_ERROR_STOP=1 -f /usr/share/dravex/store/setup.sql "service=dravex"
-- Run it as a role that may create roles and schemas (the database's owner with CREATEROLE,
-- or a superuser). It applies each migration not applied yet, each in one transaction; the
-- first also creates the group roles dravex_inspector, dravex_reviewer and dravex_admin if
-- they are missing. Running it again changes nothing. A store made by a newer Dravex is left alone.
\set ON_ERROR_STOP 1
\set QUIET 1

-- The version the store has now: 0 for none.
SELECT pg_catalog.to_regclass('dravex.schema_version') IS NOT NULL AS dravex_has_table \gset
\if :dravex_has_table
  SELECT coalesce(max(version), 0) AS dravex_version FROM dravex.schema_version \gset
\else
  \set dravex_version 0
\endif

-- Newer than these files know: stop before touching anything.
SELECT :dravex_version > 3 AS dravex_newer \gset
\if :dravex_newer
  DO $newer$
  BEGIN
    RAISE EXCEPTION 'this store was made by a newer Dravex (schema version %); these set-up files know up to version 3 and leave it alone',
      (SELECT max(version) FROM dravex.schema_version);
  END
  $newer$;
\endif

SELECT :dravex_version < 1 AS dravex_apply \gset
\if :dravex_apply
  BEGIN;
  \ir sql/0001_store.sql
  COMMIT;
  \echo 'Dravex store: schema version 1 applied.'
\endif

SELECT :dravex_version < 2 AS dravex_apply \gset
\if :dravex_apply
  BEGIN;
  \ir sql/0002_search.sql
  COMMIT;
  \echo 'Dravex store: schema version 2 applied.'
\else
  \echo 'Dravex store: schema version 2, up to date.'
\endif

SELECT :dravex_version < 3 AS dravex_apply \gset
\if :dravex_apply
  BEGIN;
  \ir sql/0003_corrections.sql
  COMMIT;
  \echo 'Dravex store: schema version 3 applied.'
\else
  \echo 'Dravex store: schema version 3, up to date.'
\endif
