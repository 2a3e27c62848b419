-- SPDX-License-Identifier: GPL-3.0-or-later
-- The company store, version 2: indexes for the store browser's searches.
-- The browser finds what is typed anywhere in a report's vessel, voyage, port, grades and
-- inspector (ILIKE '%text%', any case), which B-tree indexes cannot serve: every search read
-- all reports. Trigram indexes (PostgreSQL's pg_trgm extension) can. The results come newest
-- save first, 500 at most: an index on head_at gives those without sorting every report.
-- And an inspector's own reports are found by the index on inspector (see the policy below).
-- pg_trgm comes with PostgreSQL and is trusted: the database's owner may create it. Where the
-- database has it already, in whatever schema, that one serves. Every save updates the
-- report's row and so adds to the trigram index; a GIN index gathers such additions in a
-- pending list that one save then sorts in as a whole. A list of 256 kB, not the default
-- 4 MB, keeps that one save from waiting a fraction of a second.

CREATE EXTENSION IF NOT EXISTS pg_trgm WITH SCHEMA dravex;

DO $search$
DECLARE
  v_schema text;
BEGIN
  SELECT n.nspname INTO STRICT v_schema
    FROM pg_catalog.pg_opclass c
    JOIN pg_catalog.pg_namespace n ON n.oid = c.opcnamespace
    JOIN pg_catalog.pg_am m ON m.oid = c.opcmethod
   WHERE c.opcname = 'gin_trgm_ops' AND m.amname = 'gin';
  EXECUTE format('CREATE INDEX reports_text ON dravex.reports USING gin ('
                 'vessel %1$I.gin_trgm_ops, voyage %1$I.gin_trgm_ops, port %1$I.gin_trgm_ops, '
                 'grades %1$I.gin_trgm_ops, inspector %1$I.gin_trgm_ops) WITH (gin_pending_list_limit = 256)', v_schema);
END
$search$;

CREATE INDEX reports_newest ON dravex.reports (head_at DESC NULLS LAST);

-- An inspector's own reports by the index on inspector: the policy compared the column with
-- current_user, a name of collation "C", which the index (the database's collation) does not
-- serve, so every inspector's search read all reports. The same rule, in the column's terms.
ALTER POLICY reports_own ON dravex.reports
  USING (inspector = (CAST(current_user AS text) COLLATE pg_catalog."default"));

INSERT INTO dravex.schema_version (version) VALUES (2);
